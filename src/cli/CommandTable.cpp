#include "cli/CommandLine.h"

namespace qor {

const std::vector<TCommand>& Commands()
{
    static const std::vector<TCommand> commands = {
        {"build",
         "[PROJECT.qor] [PICTURE|FOLDER]... [--pictures PATH]... [--out DIR] [--template NAME]\n"
         "                 [--set Name=Value]... [--html NAME] [--css NAME] [--title TEXT] [--id N]\n"
         "                 [--threads N] [--skip-resize] [--copy-same-size|--no-copy-same-size]\n"
         "                 [--watermark TEXT] [--demo] [--wrapper-classes] [--lazy] [--open] [--quiet]\n"
         "                 [--force] [--keep-metadata] [--fast] [--no-captions]",
         "write the gallery of a project, or of the standard settings and the pictures named (files\n"
         "      or folders, plainly or with --pictures, added after the project's pictures); prints\n"
         "      the page's path last. Files in the folder that no build wrote are replaced only with\n"
         "      --force. A copied JPEG loses its EXIF, XMP and IPTC unless --keep-metadata. Pictures\n"
         "      named take their empty titles and descriptions from their XMP, IPTC or EXIF unless\n"
         "      --no-captions. --fast decodes JPEGs at a reduced scale: about twice as fast, the\n"
         "      slides a little softer. Exit 3: the page was written but some pictures could not be\n"
         "      made, or it names a setting or link in a warning; 130: interrupted",
         RunBuild},
        {"new", "PROJECT.qor [PICTURE|FOLDER]... [--pictures PATH]... [--template NAME]\n"
                "                 [--set Name=Value]... [--no-captions]",
         "make a project from pictures and folders (folders one level deep); their titles and\n"
         "      descriptions come from their XMP, IPTC or EXIF unless --no-captions",
         RunNew},
        {"show", "PROJECT.qor", "print every stored property as Name=Value, then the pictures",
         RunShow},
        {"set", "PROJECT.qor Name=Value...",
         "change properties and save (List+=line appends, List= clears, List[i]=line)", RunSet},
        {"templates", "", "list the templates of the resource folder", RunTemplates},
        {"exif", "FILE...", "print each picture's EXIF orientation, turn angle, maker, model and dates",
         RunExif},
        {"resize", "IN OUT --size WxH [--angle A] [--crop L,T,R,B] [--quality Q] [--no-exif]",
         "turn, crop and resample one picture as a build does (PNG when OUT ends in .png, else JPEG)",
         RunResize},
    };
    return commands;
}

} // namespace qor
