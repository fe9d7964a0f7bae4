#include "RecordSummary.h"

#include "Error.h"
#include "FolderPackaging.h"
#include "RecordFile.h"
#include "StreamCipher.h"
#include "TemporaryPackage.h"
#include "Text1252.h"
#include "cSTUF20.h"

namespace modVW {

void ListPackage(const std::string& packagePath, RecordSummary& summary) {
    cSTUF20& package = PackageObject();
    package.LastError.clear();
    if (package.StartSession(packagePath) != 0)
        throw vw::Error(package.LastErrorNumber, package.LastError);
    summary.Description = package.GetDescription();
    for (int32_t i = 1; i <= package.FileCount(); ++i)
        summary.Entries.push_back({package.GetFileName(i), package.GetFileSize(i),
                                   package.GetCompressedSize(i), package.IsCompressed(i) != 0});
    package.EndSession();
    if (!package.LastError.empty()) throw vw::Error(package.LastErrorNumber, package.LastError);
}

RecordSummary InspectRecord(const std::string& path, Interaction& ui) {
    const RecordLayout layout = ReadRecordLayout(path);
    RecordSummary summary;
    summary.SourceKind = layout.Fields.SourceKind;
    summary.SourceName = Text1252::NameFromFile(layout.Fields.SourceName);
    summary.PayloadSize = layout.PayloadSize;
    summary.IsFolder = layout.Fields.SourceKind != SourceKinds::File;
    if (!summary.IsFolder) return summary;

    TemporaryPackage package;
    vw::FileWriter out(package.Path(), vw::FileWriter::Mode::CreateNew, 0600);
    DecipherPayloadTo(path, layout, out, ui);
    out.Close();
    ListPackage(package.Path(), summary);
    return summary;
}

}  // namespace modVW
