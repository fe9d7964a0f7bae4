// The reading half of TreeArchive.h: the pax reader fed from the source, each
// entry checked against what WriteTree writes before anyone sees it.

#include <archive.h>
#include <archive_entry.h>

#include <exception>
#include <string_view>
#include <vector>

#include "ArchiveHandle.h"
#include "PrivateFolder.h"
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

// What stops the reading: the source's own failure (damage, a cancel) when
// there is one, else damage: anything libarchive cannot read as it should,
// warnings included, is not an archive WriteTree wrote.
[[noreturn]] void Fail(const SourceContext& context, const Error& damaged) {
    if (context.Failure) std::rethrow_exception(context.Failure);
    throw damaged;
}

Archive PaxReader(SourceContext& context, const Error& damaged) {
    Archive pax(archive_read_new(), archive_read_free);
    archive_read_support_format_tar(pax.get());  // pax is tar's extended form
    if (archive_read_open2(pax.get(), &context, nullptr, FromSource, nullptr, nullptr) !=
        ARCHIVE_OK)
        Fail(context, damaged);
    return pax;
}

// The entry's own name is none of "", ".", ".." or one of ours. The names of
// the folders above it need no look: EntryTree takes an entry only into a
// folder that was added, each of which passed this check.
bool IsPlainName(std::string_view path) {
    const std::string_view name = path.substr(path.rfind('/') + 1);
    return !name.empty() && name != "." && name != ".." && !vw::IsReservedName(name);
}

// The entry as the tree keeps it, or nothing when WriteTree never writes it so.
bool Describe(archive_entry* entry, std::string& path, vw::TreeEntry& out) {
    const char* name = archive_entry_pathname(entry);
    if (name == nullptr || archive_entry_hardlink(entry) != nullptr) return false;
    path = name;
    switch (archive_entry_filetype(entry)) {
        case AE_IFREG:
            out.type = vw::EntryType::File;
            out.size = static_cast<uint64_t>(std::max<la_int64_t>(archive_entry_size(entry), 0));
            break;
        case AE_IFDIR:
            out.type = vw::EntryType::Folder;
            if (!path.empty() && path.back() == '/') path.pop_back();  // the writer adds one
            break;
        case AE_IFLNK: {
            const char* target = archive_entry_symlink(entry);
            if (target == nullptr || *target == '\0') return false;
            out.type = vw::EntryType::Link;
            out.target = target;
            break;
        }
        default:
            return false;
    }
    // Owners are never restored, and no set-id or sticky bit comes from a file.
    out.mode = archive_entry_perm(entry) & 0777;
    if (archive_entry_mtime_is_set(entry))
        out.modified = {archive_entry_mtime(entry), archive_entry_mtime_nsec(entry)};
    return IsPlainName(path);
}

void ReadData(archive* pax, const SourceContext& context, const Error& damaged, uint64_t size,
              TreeVisitor& visitor) {
    for (;;) {
        const void* data = nullptr;
        size_t n = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(pax, &data, &n, &offset);
        if (status == ARCHIVE_EOF) return;
        if (status != ARCHIVE_OK || offset < 0 || static_cast<uint64_t>(offset) > size ||
            n > size - static_cast<uint64_t>(offset))
            Fail(context, damaged);
        visitor.Data(static_cast<const uint8_t*>(data), n, static_cast<uint64_t>(offset));
    }
}

}  // namespace

void ReadTree(ByteSource& source, vw::EntryTree& entries, TreeVisitor& visitor,
              const Error& damaged) {
    SourceContext context{source, std::vector<uint8_t>(kBlock), nullptr};
    Archive pax = PaxReader(context, damaged);
    std::string path;
    for (;;) {
        archive_entry* header = nullptr;
        const int status = archive_read_next_header(pax.get(), &header);
        if (status == ARCHIVE_EOF) break;
        vw::TreeEntry entry;
        if (status != ARCHIVE_OK || !Describe(header, path, entry)) Fail(context, damaged);
        const uint64_t size = entry.size;
        const bool file = entry.type == vw::EntryType::File;
        if (!entries.Add(path, std::move(entry))) throw damaged;
        visitor.Entry(entries, entries.Size() - 1);
        if (file) ReadData(pax.get(), context, damaged, size, visitor);
        visitor.EntryDone();
    }
    // The rest of the source, to its verified end.
    while (source.Read(context.Buffer.data(), kBlock) != 0) {
    }
}

}  // namespace vw::tree
