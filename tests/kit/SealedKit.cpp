// Writes the sealed test kit (tests/data/sealed-kit): one small .vws file per
// case of its cases.txt, sealed with the library's own functions at the lowest
// cost, then damaged or crafted where the case says. A folder's tree is a pax
// stream written here with libarchive, any entry it may hold, and sealed as the
// library seals one. Every random byte (salts, nonce prefixes, secretstream
// headers) comes from a stream seeded by the case's name: a rerun writes the
// same bytes. Usage: sealed_kit FOLDER (scripts/make-sealed-kit.sh runs it).

#include <archive.h>
#include <archive_entry.h>
#include <sodium.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "PackageStream.h"
#include "SealedFile.h"

namespace {

using Bytes = std::vector<uint8_t>;
using modVW::kChunkSealed;
using modVW::kChunkText;
constexpr size_t kHeader = modVW::kSealedHeaderBytes;
constexpr char kPassword[] = "kit password";
constexpr modVW::SealedCost kCost{1, 8192};

// The fixed random stream: xorshift64, seeded anew for each case.
uint64_t state = 1;
void FixedBytes(void* const buf, const size_t size) {
    for (size_t i = 0; i < size; ++i) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        static_cast<uint8_t*>(buf)[i] = static_cast<uint8_t>(state >> 56);
    }
}
uint32_t FixedRandom() {
    uint32_t v;
    FixedBytes(&v, sizeof v);
    return v;
}
randombytes_implementation fixedStream = {
    [] { return "fixed"; }, FixedRandom, nullptr, nullptr, FixedBytes, nullptr};

Bytes Pattern(size_t n) {
    Bytes out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<uint8_t>("sealed kit 0123456789\n"[(i * 7 + i / 97) % 22]);
    return out;
}

Bytes Cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Bytes Part(const Bytes& b, size_t from, size_t to) {
    return {b.begin() + from, b.begin() + std::min(to, b.size())};
}
// Chunk i of a version-2 file; the last one runs to the end.
Bytes Chunk(const Bytes& file, size_t i) {
    return Part(file, kHeader + i * kChunkSealed, kHeader + (i + 1) * kChunkSealed);
}
Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A header's byte changed, with its checksum made anew: refused all the same.
Bytes Rehashed(Bytes file, size_t at, uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i)
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    crypto_generichash(&file[94], 32, file.data(), 94, nullptr, 0);
    return file;
}

class Kit {
public:
    explicit Kit(std::string folder) : folder_(std::move(folder)) {}

    // Writes the case's file, made with the random stream seeded by its name.
    void Put(const std::string& name, const std::function<Bytes()>& make) {
        state = 0x9E3779B97F4A7C15ull;
        for (char c : name)
            state = (state ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
        const Bytes bytes = make();
        std::ofstream(folder_ + "/" + name + ".vws", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    // `content` sealed as the program seals it (version 2, SealingSink); with
    // `crafted`, its chunks are sealed one by one instead: crafted(key, text) writes them.
    using Crafted = std::function<void(const modVW::ChunkKey&, const Bytes&, vw::FileWriter&)>;
    Bytes Seal(int16_t kind, const std::string& name, const Bytes& content,
               modVW::SealedCost cost = kCost, const Crafted& crafted = {}) {
        const std::string path = folder_ + "/.making.vws";
        {
            modVW::SealedKeys keys;
            const modVW::SealedHeader header = Keys(cost, keys);
            vw::FileWriter out(path, vw::FileWriter::Mode::Truncate);
            if (crafted) {
                const modVW::SealedStart start(out, header, keys);
                crafted(start.Key(), Cat(modVW::ContentsText({kind, name}), content), out);
            } else {
                // In one write: a sink takes writes of any size, across chunks.
                modVW::SealingSink sink(out, header, keys, {kind, name});
                sink.Write(content.data(), content.size());
                sink.Finish();
            }
            out.Close();
        }
        Bytes bytes = ReadAll(path);
        std::remove(path.c_str());
        return bytes;
    }

    // Version 1: the header, then secretstream messages (u32 length, sealed text):
    // the contents, then the content in pieces of 1 MiB, the last one FINAL.
    Bytes SealV1(int16_t kind, const std::string& name, const Bytes& content) {
        modVW::SealedKeys keys;
        const modVW::SealedHeader header = Keys(kCost, keys);
        Bytes file{0x89, 'V', 'W', 'S', '\r', '\n', 0x1A, '\n', 1, 0};
        for (uint64_t v : {uint64_t{kCost.Passes}, kCost.MemoryBytes})
            for (size_t i = 0; i < (v == kCost.Passes ? 4u : 8u); ++i)
                file.push_back(static_cast<uint8_t>(v >> (8 * i)));
        file.insert(file.end(), header.Salt, header.Salt + modVW::kSaltBytes);
        file.resize(kHeader);
        crypto_secretstream_xchacha20poly1305_state st;
        crypto_secretstream_xchacha20poly1305_init_push(&st, &file[38], keys.Stream);
        crypto_generichash(&file[62], 32, file.data(), 62, keys.Check, 32);
        crypto_generichash(&file[94], 32, file.data(), 94, nullptr, 0);
        const auto push = [&](const Bytes& text, uint8_t tag) {
            Bytes sealed(text.size() + crypto_secretstream_xchacha20poly1305_ABYTES);
            crypto_secretstream_xchacha20poly1305_push(&st, sealed.data(), nullptr, text.data(),
                                                       text.size(), nullptr, 0, tag);
            for (int i = 0; i < 4; ++i)
                file.push_back(static_cast<uint8_t>(sealed.size() >> (8 * i)));
            file = Cat(file, sealed);
        };
        push(modVW::ContentsText({kind, name}), 0);
        size_t at = 0;
        do {
            const size_t n = std::min(content.size() - at, kChunkText);
            push(Part(content, at, at + n), at + n == content.size() ? 3 : 0);
            at += n;
        } while (at < content.size());
        return file;
    }

private:
    static modVW::SealedHeader Keys(modVW::SealedCost cost, modVW::SealedKeys& keys) {
        modVW::SealedHeader header;
        header.Cost = cost;
        randombytes_buf(header.Salt, sizeof header.Salt);
        modVW::DeriveSealedKeys(kPassword, header.Salt, cost, {}, keys);
        return header;
    }
    std::string folder_;
};

// One entry of a crafted tree. Data of a sparse file is given whole, holes as
// zeros; `sparse` lists its (offset, length) runs of data.
struct Entry {
    std::string name;
    mode_t type = AE_IFREG;
    mode_t mode = 0644;
    Bytes data;
    std::string link;  // a symbolic link's target, or a hard link's with `hard`
    bool hard = false;
    dev_t rdev = 0;
    std::vector<std::pair<int64_t, int64_t>> sparse;
};

Entry File(std::string name, Bytes data, mode_t mode = 0644) {
    Entry e;
    e.name = std::move(name), e.data = std::move(data), e.mode = mode;
    return e;
}
Entry Node(std::string name, mode_t type, mode_t mode = 0755, dev_t rdev = 0) {
    Entry e;
    e.name = std::move(name), e.type = type, e.mode = mode, e.rdev = rdev;
    return e;
}
Entry Link(std::string name, std::string target, bool hard = false) {
    Entry e = Node(std::move(name), hard ? AE_IFREG : AE_IFLNK, 0777);
    e.link = std::move(target), e.hard = hard;
    return e;
}

// The entries as a pax stream, written as the program's tree writer writes one.
Bytes Pax(const std::vector<Entry>& entries) {
    Bytes out;
    archive* a = archive_write_new();
    archive_write_set_format_pax(a);
    archive_write_set_format_option(a, "pax", "hdrcharset", "BINARY");
    archive_write_set_bytes_per_block(a, 512);
    archive_write_open2(
        a, &out, nullptr,
        [](archive*, void* o, const void* b, size_t n) {
            auto* bytes = static_cast<const uint8_t*>(b);
            static_cast<Bytes*>(o)->insert(static_cast<Bytes*>(o)->end(), bytes, bytes + n);
            return static_cast<la_ssize_t>(n);
        },
        nullptr, nullptr);
    for (const Entry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.c_str());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, e.mode);
        archive_entry_set_mtime(entry, 1700000000, 0);
        archive_entry_set_size(entry, static_cast<la_int64_t>(e.data.size()));
        if (!e.link.empty())
            (e.hard ? archive_entry_set_hardlink : archive_entry_set_symlink)(entry,
                                                                              e.link.c_str());
        archive_entry_set_rdev(entry, e.rdev);
        for (const auto& [offset, length] : e.sparse)
            archive_entry_sparse_add_entry(entry, offset, length);
        archive_write_header(a, entry);
        archive_write_data(a, e.data.data(), e.data.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sealed_kit FOLDER\n";
        return 2;
    }
    randombytes_set_implementation(&fixedStream);
    Kit kit(argv[1]);
    const Bytes small = Pattern(1000);
    const auto file = [&kit](const Bytes& content, modVW::SealedCost cost = kCost) {
        return kit.Seal(1, "kit.txt", content, cost);
    };
    const auto tree = [&kit](const std::vector<Entry>& entries) {
        return kit.Seal(2, "tree", Pax(entries));
    };
    // The text of a file named kit.txt starts with 11 bytes: kind, length, name.
    const Bytes one = file(Pattern(kChunkText - 11)), two = file(Pattern(kChunkText - 10));
    const Bytes three = file(Pattern(2 * kChunkText + 100));

    kit.Put("good-file", [&] { return file(small); });
    kit.Put("empty-file", [&] { return file({}); });
    kit.Put("one-chunk", [&] { return one; });
    kit.Put("one-chunk-plus-one-byte", [&] { return two; });
    kit.Put("ten-passes", [&] { return file(small, {10, 8192}); });
    kit.Put("version-1-file", [&] { return kit.SealV1(1, "kit.txt", small); });
    kit.Put("good-tree", [&] {
        return tree({Node("d", AE_IFDIR), File("d/f", small, 0600), File("d/.hidden", Pattern(3)),
                     Node("empty", AE_IFDIR, 0700), Link("link", "d/f")});
    });
    kit.Put("wrong-password", [&] { return file(small); });
    kit.Put("cut-inside-a-chunk", [&] { return Part(file(small), 0, kHeader + 500); });
    kit.Put("cut-at-a-chunk-boundary", [&] { return Part(three, 0, kHeader + 2 * kChunkSealed); });
    kit.Put("final-chunk-missing", [&] { return Part(two, 0, kHeader + kChunkSealed); });
    kit.Put("chunks-swapped", [&] {
        return Cat(Cat(Cat(Part(three, 0, kHeader), Chunk(three, 1)), Chunk(three, 0)),
                   Chunk(three, 2));
    });
    kit.Put("chunk-repeated", [&] {
        return Cat(Cat(Part(two, 0, kHeader + kChunkSealed), Chunk(two, 0)), Chunk(two, 1));
    });
    kit.Put("bad-tag-in-second-chunk", [&] {
        Bytes b = two;
        b.back() ^= 1;
        return b;
    });
    kit.Put("bytes-appended", [&] { return Cat(file(small), Bytes(7, 0)); });
    // Full chunks, then an empty one sealed as the last: refused, as no content has two forms.
    kit.Put("empty-final-chunk", [&] {
        return kit.Seal(1, "kit.txt", Pattern(kChunkText - 11), kCost,
                        [](const modVW::ChunkKey& key, Bytes text, vw::FileWriter& out) {
                            text.resize(kChunkSealed);
                            modVW::SealChunk(key, 0, false, text.data(), kChunkText);
                            out.WriteBytes(text.data(), kChunkSealed);
                            modVW::SealChunk(key, 1, true, text.data(), 0);  // its tag only
                            out.WriteBytes(text.data(), modVW::kChunkTag);
                        });
    });
    kit.Put("unknown-version", [&] { return Rehashed(file(small), 8, 3, 2); });
    kit.Put("header-checksum-wrong", [&] {
        Bytes b = file(small);
        b[100] ^= 1;
        return b;
    });
    kit.Put("eleven-passes", [&] { return Rehashed(file(small), 10, 11, 4); });
    kit.Put("memory-over-4-gib",
            [&] { return Rehashed(file(small), 14, (uint64_t{4} << 30) + 1, 8); });
    // Version 1 holds a folder's package; this one ends inside its fields.
    kit.Put("version-1-package-cut", [&] {
        vw::stuf::PackageStream package("kit", {});
        Bytes bytes(package.Size());
        package.Read(bytes.data(), bytes.size());
        return kit.SealV1(2, "TempStuf.stuf", Part(bytes, 0, bytes.size() - 3));
    });
    kit.Put("tree-parent-name", [&] { return tree({File("../escaped", small)}); });
    kit.Put("tree-absolute-name",
            [&] { return tree({File("/tmp/vaultwise-kit-escaped", small)}); });
    kit.Put("tree-through-a-link", [&] {
        return tree({Link("l", "../.."), File("l/escaped", small)});
    });
    kit.Put("tree-dot", [&] { return tree({Node(".", AE_IFDIR, 0777)}); });
    kit.Put("tree-dot-slash", [&] { return tree({File("./a", small)}); });
    kit.Put("tree-fifo", [&] { return tree({Node("fifo", AE_IFIFO)}); });
    kit.Put("tree-device", [&] { return tree({Node("null", AE_IFCHR, 0666, makedev(1, 3))}); });
    kit.Put("tree-hard-link", [&] { return tree({File("f", small), Link("hard", "f", true)}); });
    // A folder named as this program's staging folders, with its marker: placed,
    // the next extraction there would sweep it with what the user put in it.
    kit.Put("tree-reserved-name", [&] {
        return tree({Node(".vaultwise-extract-ABCDEF", AE_IFDIR, 0700),
                     File(".vaultwise-extract-ABCDEF/.vaultwise-folder", small)});
    });
    kit.Put("tree-folder-then-file", [&] {
        return tree({Node("x", AE_IFDIR, 0755), File("x", small)});
    });
    kit.Put("tree-set-id-bits", [&] {
        return tree({File("suid", small, 04755), File("sgid", small, 02755)});
    });
    kit.Put("tree-sticky-folder", [&] { return tree({Node("shared", AE_IFDIR, 01777)}); });
    // 4 bytes, a hole of nearly 1 MiB, 4 bytes: the data after the hole must come back.
    kit.Put("tree-sparse-file", [&] {
        Bytes data = Pattern(kChunkText + 4);
        std::fill(data.begin() + 4, data.end() - 4, 0);
        Entry sparse = File("sparse", data);
        sparse.sparse = {{0, 4}, {kChunkText, 4}};
        return tree({sparse});
    });
    return 0;
}
