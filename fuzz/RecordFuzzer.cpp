// Arbitrary bytes as a .vw3 file: the record reader, the password check and the
// decipher step, in the order Decrypt meets a file it has never seen. A damaged
// file must fail with a vw::Error that says what is wrong; a file the reader
// accepts must read the same way twice and go through the cipher without a crash.

#include <cstdio>
#include <cstdlib>

#include "Cipher.h"
#include "EncryptedRecord.h"
#include "Error.h"
#include "FuzzSupport.h"
#include "RecordFile.h"
#include "StreamCipher.h"
#include "Text1252.h"

using namespace modVW;

namespace {

// The password the record holds, as a user would type it, when its table can
// decode it; otherwise a guess. With it Decipher reaches the matching branch.
std::string StoredPassword(const EncryptedRecord& record) {
    try {
        return Text1252::ToUtf8(DecodePassword(record.Password, BuildInverseTable(record.Table)));
    } catch (const vw::Error& e) {
        RequireText(e.Description(), "DecodePassword");
        return "secret";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("record.vw3");
    file.Write(data, size);

    RecordLayout layout;
    try {
        layout = ReadRecordLayout(file.Path());
    } catch (const vw::Error& e) {
        RequireText(e.Description(), "ReadRecordLayout");
        return 0;
    }
    // The layout checked every count against the file, so the whole read cannot fail.
    EncryptedRecord record;
    try {
        record = ReadRecord(file.Path());
    } catch (const vw::Error&) {
        Finding("ReadRecord refused a file that ReadRecordLayout accepted");
    }
    if (record.Data.size() != layout.PayloadSize || record.Password != layout.Fields.Password ||
        record.SourceName != layout.Fields.SourceName || record.Table != layout.Fields.Table)
        Finding("ReadRecord and ReadRecordLayout disagree");

    ScriptedInteraction ui;  // every question cancelled
    const std::string password = StoredPassword(record);
    const bool match = CheckPassword(record, password, ui);
    EncryptedRecord copy = record;
    const EncryptedRecord result = Decipher(copy, password, ui);
    if (match && ui.Messages().empty() && result.Password != record.Password)
        Finding("Decipher refused the password that CheckPassword accepted");
    static FuzzFile restored("restored");  // the streaming decipher that Decrypt uses
    try {
        vw::FileWriter out(restored.Path(), vw::FileWriter::Mode::Truncate);
        DecipherPayloadTo(file.Path(), layout, out, ui);
        out.Close();
    } catch (const vw::Error& e) {
        RequireText(e.Description(), "DecipherPayloadTo");
    }
    RequireReports(ui);
    return 0;
}
