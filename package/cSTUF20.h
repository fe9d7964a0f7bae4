#pragma once
// The STUF20 package container: one package between StartSession and EndSession.
// Results: 0 when no failure was trapped (also after one of the three fixed
// refusals), 1 after a trapped failure, whose text goes to LastError. Without an
// open session every operation but StartSession does nothing.
// Texts at this interface are UTF-8; in the file they are Windows-1252 (see Text1252.h).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "Text.h"

class cSTUF20 {
public:
    cSTUF20();
    ~cSTUF20();
    cSTUF20(const cSTUF20&) = delete;
    cSTUF20& operator=(const cSTUF20&) = delete;

    std::string LastError;        // text of the last failure; never cleared by the object
    vw::Text LastErrorText;       // the same, to be shown in the user's language
    int32_t LastErrorNumber = 0;  // its error number, so a caller can report both
    // Free bytes at a destination folder; statvfs unless a test puts in its own.
    std::function<uint64_t(const std::string&)> FreeSpace;
    int16_t Session = 0;  // -1 while a session is open
    std::string Format;   // FormatTag of the open package; "" without a session

    // Sets LastError and LastErrorNumber together.
    void SetLastError(int32_t number, vw::Text text);
    // Called after each file ExtractPackage writes, so that a caller can keep its
    // windows responsive during a long extraction.
    std::function<void()> EntryDone;

    int16_t StartSession(const std::string& SourcePackage);
    int32_t EndSession();
    int32_t AddFile(const std::string& SourceFile, int16_t CompressionLevel = 0);
    int32_t ExtractPackage(const std::string& DestDir);
    int32_t ExtractFile(int32_t FileNumber, const std::string& TargetFile);
    int32_t DeleteFile(int32_t FileNumber);
    std::vector<uint8_t> GetFileData(int32_t FileNumber);
    int32_t GetFileNumber(const std::string& FileName);
    std::string GetFileName(int32_t FileNumber);
    int32_t GetFileSize(int32_t FileNumber);
    int32_t GetCompressedSize(int32_t FileNumber);
    int32_t IsCompressed(int32_t FileNumber);
    int32_t DeleteDoubles();
    int32_t SetDescription(const std::string& Description);
    std::string GetDescription();
    int32_t FileCount();

private:
    struct State;  // header, entry references, package path, Modified
    std::unique_ptr<State> state_;
};
