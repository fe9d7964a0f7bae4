#pragma once
// A package read through every check its extraction makes, with nothing
// written anywhere: the reader's checks of every field, count and name, and
// each compressed entry's zlib stream expanded (and dropped) as its extraction
// would expand it. A slot's compression flag comes only after its contents, so
// a package that holds compressed files is read a second time, now knowing
// which slots to expand; a package of stored files, all this program writes, is
// read once. No destination is known, so free space and the length of names
// are not weighed: they belong to the folder an extraction writes into.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ByteStream.h"
#include "Error.h"
#include "PackageReader.h"

namespace vw::stuf {

class PackageCheck {
public:
    // A package of `size` bytes (kUnknown-sized sources pass UINT64_MAX), named
    // `label` in failure texts.
    PackageCheck(uint64_t size, std::string label);
    ~PackageCheck();
    PackageCheck(const PackageCheck&) = delete;
    PackageCheck& operator=(const PackageCheck&) = delete;

    // Where the whole package goes for the next reading.
    ByteSink& Reading() { return *reader_; }
    // Ends a reading: true when the package must be read once more. Throws the
    // error its extraction would stop with.
    bool ReadAgain();
    // The files 1 to EntryCount, once no reading is needed.
    const std::vector<PackageFile>& Files() const { return files_; }

private:
    class Expander;
    void ThrowFirstFailure() const;

    uint64_t size_;
    std::string label_;
    std::unique_ptr<SlotContents> contents_;
    std::unique_ptr<PackageReader> reader_;
    std::unique_ptr<Expander> expander_;  // the second reading's
    std::vector<PackageFile> files_;
};

}  // namespace vw::stuf
