// The reading half of TreeArchive.h: the pax reader fed from the source, each
// entry checked and handed to libarchive's disk writer inside the folder.

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

#include <exception>
#include <memory>
#include <set>
#include <vector>

#include "ArchiveHandle.h"
#include "TreeArchive.h"

namespace vw::tree {
namespace {

struct SourceContext {
    ByteSource& Source;
    std::vector<uint8_t> Buffer = std::vector<uint8_t>(kBlock);
    std::exception_ptr Failure;
};

la_ssize_t FromSource(archive*, void* client, const void** buffer) {
    auto& context = *static_cast<SourceContext*>(client);
    try {
        *buffer = context.Buffer.data();
        return static_cast<la_ssize_t>(context.Source.Read(context.Buffer.data(), kBlock));
    } catch (...) {
        context.Failure = std::current_exception();
        return -1;
    }
}

// The disk writer resolves names against the working folder, where its checks
// for "..", absolute names and links apply; so the extraction runs with the
// working folder in `folder`, and the old one comes back on every way out.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder)
        : old_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (old_ < 0) throw ErrorFromErrno(errno, "Cannot open", ".");
        if (::chdir(folder.c_str()) != 0) {
            const int err = errno;
            ::close(old_);
            throw ErrorFromErrno(err, "Cannot open", folder);
        }
    }
    ~WorkingFolder() {
        if (::fchdir(old_) != 0) std::terminate();  // no folder to work in would be worse
        ::close(old_);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    int old_;
};

// What stops an extraction: the source's own failure (damage) when there is
// one; an archive libarchive cannot read, or an entry its checks refuse, is
// damage too; a failing disk reports its error.
[[noreturn]] void Fail(archive* a, const SourceContext& context, const Error& damaged,
                       const std::string& path) {
    if (context.Failure) std::rethrow_exception(context.Failure);
    const int err = archive_errno(a);
    if (err > 0) throw ErrorFromErrno(err, "Cannot write", path);
    throw damaged;
}

Archive PaxReader(SourceContext& context, const Error& damaged) {
    Archive pax(archive_read_new(), archive_read_free);
    archive_read_support_format_tar(pax.get());  // pax is tar's extended form
    if (archive_read_open2(pax.get(), &context, nullptr, FromSource, nullptr, nullptr) !=
        ARCHIVE_OK)
        Fail(pax.get(), context, damaged, "");
    return pax;
}

Archive DiskWriter() {
    Archive disk(archive_write_disk_new(), archive_write_free);
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                   ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS |
                                                   ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                   ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME);
    return disk;
}

// Only what WriteTree writes: files, folders and links, by relative names.
void CheckEntry(archive_entry* entry, const Error& damaged) {
    const auto type = archive_entry_filetype(entry);
    const char* name = archive_entry_pathname(entry);
    if ((type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) ||
        archive_entry_hardlink(entry) != nullptr || name == nullptr || *name == '\0')
        throw damaged;
    // Owners are never restored, and no set-id bits come from a file.
    archive_entry_set_perm(entry, archive_entry_perm(entry) & 0777);
}

void CopyData(archive* pax, archive* disk, const SourceContext& context, const Error& damaged,
              const std::string& path) {
    for (;;) {
        const void* data = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(pax, &data, &size, &offset);
        if (status == ARCHIVE_EOF) return;
        if (status < ARCHIVE_WARN) Fail(pax, context, damaged, path);
        if (archive_write_data_block(disk, data, size, offset) < ARCHIVE_WARN)
            Fail(disk, context, damaged, path);
    }
}

// The first component of a relative name.
std::string TopName(const std::string& path) {
    return path.substr(0, path.find('/'));
}

}  // namespace

std::vector<std::string> ExtractTree(ByteSource& source, const std::string& folder,
                                     const Error& damaged) {
    SourceContext context{source, std::vector<uint8_t>(kBlock), nullptr};
    Archive pax = PaxReader(context, damaged);
    std::vector<std::string> names;
    std::set<std::string> seen;
    {
        WorkingFolder inside(folder);
        // Made and freed inside: a writer freed after an error still sets the
        // folder times and modes it deferred, by relative name.
        Archive disk = DiskWriter();
        for (;;) {
            archive_entry* entry = nullptr;
            const int status = archive_read_next_header(pax.get(), &entry);
            if (status == ARCHIVE_EOF) break;
            if (status < ARCHIVE_WARN) Fail(pax.get(), context, damaged, folder);
            CheckEntry(entry, damaged);
            const std::string path = archive_entry_pathname(entry);
            if (archive_write_header(disk.get(), entry) < ARCHIVE_WARN)
                Fail(disk.get(), context, damaged, path);
            if (archive_entry_filetype(entry) == AE_IFREG)
                CopyData(pax.get(), disk.get(), context, damaged, path);
            if (archive_write_finish_entry(disk.get()) < ARCHIVE_WARN)
                Fail(disk.get(), context, damaged, path);
            const std::string top = TopName(path);
            if (seen.insert(top).second) names.push_back(top);
        }
        // Folder times are set last, once nothing more goes into them.
        if (archive_write_close(disk.get()) < ARCHIVE_WARN)
            Fail(disk.get(), context, damaged, folder);
    }
    // The rest of the source, to its verified end.
    while (source.Read(context.Buffer.data(), kBlock) != 0) {
    }
    return names;
}

}  // namespace vw::tree
