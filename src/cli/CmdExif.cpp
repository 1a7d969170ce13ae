#include "cli/CommandLine.h"
#include "imaging/XEExif.h"
#include "util/LocalText.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace qor {

namespace {

std::string DateText(const ExifDate& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return text;
}

// One line: the orientation the system uses and what the reader found besides.
void PrintExif(const std::filesystem::path& file)
{
    ExifInfo info;
    ReadExif(file, info);
    const ExifRec& rec = info.Info;
    int orientation = ExifOrientation(file);
    std::cout << file.string() << ": orientation=" << orientation
              << " angle=" << OrientationAngle(orientation);
    const TSetDataType& valid = rec.photodt.Valid;
    if (valid.Has(sdtMaker)) std::cout << " maker=\"" << rec.Maker << '"';
    if (valid.Has(sdtModel)) std::cout << " model=\"" << rec.Model << '"';
    if (valid.Has(sdtDate)) std::cout << " date=" << DateText(info.Date);
    if (valid.Has(sdtUpdated)) std::cout << " updated=" << DateText(info.Updated);
    std::cout << '\n';
}

} // namespace

int RunExif(const std::vector<std::string>& args)
{
    TParsedArgs parsed = ParseArgs(args, {});
    if (parsed.Positional.empty()) throw EUsageError(LocalText("exif takes at least one picture file"));
    int status = ExitOk;
    for (const std::string& name : parsed.Positional) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(name, error)) {
            std::cerr << "qorgallery exif: " << LocalFormat("%s: no such file", {name}) << '\n';
            status = ExitFailure;
            continue;
        }
        PrintExif(name);
    }
    return status;
}

} // namespace qor
