// The writing half of TreeArchive.h: the folder walked by libarchive's disk
// reader, each entry passed to its pax writer, whose output goes to the sink.

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "ArchiveHandle.h"
#include "PrivateFolder.h"
#include "TreeArchive.h"

namespace vw::tree {
namespace {

// The sink behind the pax writer. A failure of the sink is kept here and thrown
// again once libarchive has returned, never through its C frames.
struct SinkContext {
    ByteSink& Sink;
    std::exception_ptr Failure;
    bool Stopped = false;  // the writing was abandoned: nothing more reaches the sink
};

la_ssize_t ToSink(archive*, void* client, const void* buffer, size_t length) {
    auto& context = *static_cast<SinkContext*>(client);
    if (context.Stopped) return -1;
    try {
        context.Sink.Write(static_cast<const uint8_t*>(buffer), length);
        return static_cast<la_ssize_t>(length);
    } catch (...) {
        context.Failure = std::current_exception();
        return -1;
    }
}

// Throws the sink's own failure when there was one, else libarchive's report: a
// warning too, which may say a file could not be read whole.
void Check(int status, archive* a, const SinkContext& context, const std::string& path) {
    if (status == ARCHIVE_OK) return;
    if (context.Failure) std::rethrow_exception(context.Failure);
    const int err = archive_errno(a);
    const char* text = archive_error_string(a);
    if (err > 0) throw ErrorFromErrno(err, VW_TEXT("Errors", "Cannot read"), path);
    throw Error(ErrorNumber::PathFileAccess,
                text ? Text(VW_TEXT("Tree", "Cannot read '%1': %2"), {path, text})
                     : Text(VW_TEXT("Tree", "Cannot read '%1': unknown failure"), {path}));
}

Archive DiskReader(const std::string& folder) {
    Archive disk(archive_read_disk_new(), archive_read_free);
    archive_read_disk_set_symlink_physical(disk.get());  // links are stored, never followed
    archive_read_disk_set_behavior(disk.get(), ARCHIVE_READDISK_NO_XATTR | ARCHIVE_READDISK_NO_ACL |
                                                   ARCHIVE_READDISK_NO_FFLAGS);
    if (archive_read_disk_open(disk.get(), folder.c_str()) != ARCHIVE_OK)
        throw ErrorFromErrno(archive_errno(disk.get()), VW_TEXT("Errors", "Cannot open"), folder);
    return disk;
}

Archive PaxWriter(SinkContext& context) {
    Archive pax(archive_write_new(), archive_write_free);
    archive_write_set_format_pax(pax.get());
    // Names go in as the bytes they are, whatever the locale can say.
    archive_write_set_format_option(pax.get(), "pax", "hdrcharset", "BINARY");
    archive_write_set_bytes_per_block(pax.get(), kBlock);
    archive_write_set_bytes_in_last_block(pax.get(), 1);
    Check(archive_write_open2(pax.get(), &context, nullptr, ToSink, nullptr, nullptr), pax.get(),
          context, "the archive");
    return pax;
}

// Hands `size` bytes of the entry's data to the pax writer, which takes no more
// than the size its header gave: a file that grew since is refused, not cut.
void WriteData(archive* pax, const void* data, size_t size, const SinkContext& context,
               const std::string& path) {
    const la_ssize_t taken = archive_write_data(pax, data, size);
    if (taken < 0) Check(ARCHIVE_FATAL, pax, context, path);
    if (static_cast<size_t>(taken) != size)
        throw Error(ErrorNumber::PathFileAccess,
                    Text(VW_TEXT("Tree", "Cannot read '%1': it grew while it was being encrypted"),
                         {path}));
}

// The file's data, holes as zeros: the pax writer leaves out what lies in a hole.
// `done` counts the content written, across files.
void CopyData(archive* disk, archive* pax, const SinkContext& context, const std::string& path,
              const TreeTurn& turn, uint64_t& done) {
    static const std::vector<uint8_t> zeros(kBlock);
    int64_t written = 0;
    for (;;) {
        const void* data = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(disk, &data, &size, &offset);
        if (status == ARCHIVE_EOF) return;
        Check(status, disk, context, path);
        while (written < offset) {
            const size_t run = static_cast<size_t>(std::min<int64_t>(kBlock, offset - written));
            WriteData(pax, zeros.data(), run, context, path);
            written += static_cast<int64_t>(run);
            turn(done += run);
        }
        WriteData(pax, data, size, context, path);
        written += static_cast<int64_t>(size);
        turn(done += size);
    }
}

}  // namespace

namespace {

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The entries under `root` into `pax`, named by `nameOf` (given the path the disk
// reader found); the top entry, `root` itself, only when `withTop`.
template <class NameOf>
void WriteEntries(const std::string& root, archive* pax, const SinkContext& context, bool withTop,
                  NameOf&& nameOf, std::vector<std::string>& skipped, const TreeTurn& turn,
                  uint64_t& done) {
    Archive disk = DiskReader(root);
    std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(),
                                                                   archive_entry_free);
    for (bool top = true;; top = false) {
        archive_entry_clear(entry.get());
        const int status = archive_read_next_header2(disk.get(), entry.get());
        if (status == ARCHIVE_EOF) break;
        const char* named = archive_entry_pathname(entry.get());
        const std::string path = named ? named : root;
        Check(status, disk.get(), context, path);
        const auto type = archive_entry_filetype(entry.get());
        if (top && !withTop) {  // the folder itself: its entries are the tree
            archive_read_disk_descend(disk.get());
            continue;
        }
        const std::string name = nameOf(path);
        // Names this program keeps for its own files (a staging folder left by a
        // killed run, say) are left out: an extraction would refuse them.
        if ((type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) ||
            vw::IsReservedName(name.substr(name.rfind('/') + 1))) {
            skipped.push_back(name);
            continue;
        }
        if (type == AE_IFDIR) archive_read_disk_descend(disk.get());
        archive_entry_set_pathname(entry.get(), name.c_str());
        archive_entry_set_uid(entry.get(), 0);
        archive_entry_set_gid(entry.get(), 0);
        archive_entry_set_uname(entry.get(), nullptr);
        archive_entry_set_gname(entry.get(), nullptr);
        Check(archive_write_header(pax, entry.get()), pax, context, path);
        if (type == AE_IFREG) CopyData(disk.get(), pax, context, path, turn, done);
        turn(done);
    }
}

}  // namespace

void WriteTree(const std::string& folder, ByteSink& sink, std::vector<std::string>& skipped,
               const TreeTurn& turn) {
    SinkContext context{sink, nullptr, false};
    uint64_t done = 0;
    const std::string root = WithoutTrailingSlashes(folder);
    Archive pax = PaxWriter(context);
    // Freed after an error or Cancel, the writer would pad the open entry with
    // zeros to its full size (gigabytes sealed for nothing): its sink refuses.
    const OnUnwind stop([&context] { context.Stopped = true; });
    const std::string prefix = root == "/" ? root : root + "/";
    WriteEntries(
        root, pax.get(), context, false,
        [&prefix](const std::string& path) { return path.substr(prefix.size()); }, skipped, turn,
        done);
    Check(archive_write_close(pax.get()), pax.get(), context, folder);
}

void WriteItems(const std::vector<std::string>& items, ByteSink& sink,
                std::vector<std::string>& skipped, const TreeTurn& turn) {
    std::vector<std::string> names;
    for (const auto& item : items) {
        const std::string root = WithoutTrailingSlashes(item);
        const std::string name = root.substr(root.rfind('/') + 1);
        if (name.empty() || name == "." || name == "..")
            throw Error(ErrorNumber::InvalidCall,
                        Text(VW_TEXT("Tree", "Cannot name '%1' in a sealed file"), {item}));
        if (std::find(names.begin(), names.end(), name) != names.end())
            throw Error(ErrorNumber::InvalidCall,
                        Text(VW_TEXT("Tree",
                                     "Two of the items are named '%1'; one sealed file "
                                     "holds one"),
                             {name}));
        names.push_back(name);
    }
    SinkContext context{sink, nullptr, false};
    uint64_t done = 0;
    Archive pax = PaxWriter(context);
    const OnUnwind stop([&context] { context.Stopped = true; });
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string root = WithoutTrailingSlashes(items[i]);
        WriteEntries(
            root, pax.get(), context, true,
            [&](const std::string& path) { return names[i] + path.substr(root.size()); }, skipped,
            turn, done);
    }
    Check(archive_write_close(pax.get()), pax.get(), context, "the archive");
}

}  // namespace vw::tree
