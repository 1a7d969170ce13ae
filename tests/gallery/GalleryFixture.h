// Shared pieces of the gallery writer tests: the settings of the documented page example,
// small templates with every key line, and picture entries with given texts.
#pragma once

#include "gallery/ComQorCSS.h"
#include "imagelist/AttrLine.h"
#include "imagelist/CustomImgLS.h"
#include "imaging/Drawing.h"
#include "imaging/PngCodec.h"

#include "support/TempDir.h"

#include <string>

namespace galleryfixture {

using namespace qor;

// The settings of the page example: a 720 x 270 gallery with a thumbnail strip of 54.
inline TComQorCSS1 ExampleSettings()
{
    TComQorCSS1 s;
    s.ImageWidth = 720;
    s.ImageHeight = 270;
    s.ThumbWidth = 112;
    s.ThumbHeight = 44;
    s.ThumbBorderWidth = 2;
    s.ThumbTitleHeight = 28;
    s.FrameType = 2;
    s.SlideshowInterval = 4.0L;
    s.ThumbBorderColorHex = "FFFFFF";
    s.MinScale = 60;
    s.SlideIdentifier = 1;
    return s;
}

inline const char* PageTemplateText()
{
    return "<!DOCTYPE html>\r\n"
           "<html>\r\n"
           "<head>\r\n"
           "<meta name=\"viewport\" content=\"width=device-width\" />\r\n"
           "<title>Template</title>\r\n"
           "<link rel=\"stylesheet\" href=\"css/style.css\">\r\n"
           "<style>\r\n"
           "body {background:#000;}\r\n"
           "</style>\r\n"
           "<script>\r\n"
           "$(function(){\r\n"
           "  $('div#qo_wrapper').qorslider({});\r\n"
           "});\r\n"
           "</script>\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<div id=\"qo_wrapper\">\r\n"
           "<p>placeholder</p>\r\n"
           "</div> <!-- end of wrapper -->\r\n"
           "</body>\r\n"
           "</html>\r\n";
}

// A picture list whose entries carry the given texts; the settings get its attribute lines.
class TPictures {
public:
    void Add(const TUserInfo& user)
    {
        TThumbInfo entry;
        entry.FileName = "/pictures/" + std::to_string(FLines.size() + 1) + ".jpg";
        entry.user = user;
        FLines.push_back(MakeAttrLine(entry));
        FList.LoadAttrLS(FLines);
    }
    void ConnectTo(TComQorCSS1& s)
    {
        s.AttrLS = FList.GetAttrLS();
        s.connectXEImgLS(&FList);
    }

private:
    TStringList FLines;
    TCustomImgLS FList;
};

inline TUserInfo Texts(std::string title, TStringList description = {}, std::string url = {},
                       std::string target = {}, std::string topic = {})
{
    TUserInfo user;
    user.Title = std::move(title);
    user.memoLS = std::move(description);
    user.URL = std::move(url);
    user.Target = std::move(target);
    user.Topic = std::move(topic);
    return user;
}

inline void WritePicture(const std::filesystem::path& path, int32_t width, int32_t height,
                         TColor color)
{
    std::filesystem::create_directories(path.parent_path());
    TBmpScan picture(width, height);
    FillRect(picture, picture.Bounds(), color);
    SavePng(path, picture, clBlack, false);
}

inline const char* StyleSheetTemplateText()
{
    return "/*0*/\r\n/*1*/\r\n/*2*/\r\n/*3*/\r\n/*4*/\r\n/*5*/\r\n/*6*/\r\n/*7*/\r\n"
           "/*8*/\r\n/*9*/\r\n/*10*/\r\n/*11*/\r\n/*12*/\r\n/*13*/\r\n/*14*/\r\n/*15*/\r\n"
           "#qo_wrapper .qo_navi_btn {position:absolute;}\r\n";
}

// A resource folder with every template the writers read, small button pictures and a js
// folder holding a library, a stale gallery script in other letter case and a subfolder.
inline std::filesystem::path WriteResourceFolder(const qortest::TempDir& dir)
{
    dir.Write("rsc/css/style.css", StyleSheetTemplateText());
    dir.Write("rsc/css/gallerydemo.css", ".qo_gallerydemo {width:demowidth;}\r\n"
                                         "dl {width:eachwidth;}\r\n");
    dir.Write("rsc/index-base.html", PageTemplateText());
    for (int n = 1; n <= 3; ++n)
        dir.Write("rsc/index-" + std::to_string(n) + "columns.html",
                  std::string("<!-- columns ") + std::to_string(n) + " -->\r\n" +
                      PageTemplateText());
    dir.Write("rsc/index-header.html", "<style>h1.qorheader {margin:0;}</style>\r\n");
    dir.Write("rsc/index-demo.html", "$('.qo_wrapbase').each(function(){\r\n"
                                     "  $(this).qorslider({");
    for (int n = 1; n <= 3; ++n)
        dir.Write("rsc/embed/css/style_" + std::to_string(n) + "columns.css",
                  "#main {width:WrapWidth; height:WrapHeight;}\r\n");
    WritePicture(dir / "rsc/embed/css/column-bg.png", 4, 4, clWhite);
    dir.Write("rsc/embed/css/notes.txt", "not a picture");
    WritePicture(dir / "rsc/ctrl/00-prev.png", 30, 40, MakeColor(10, 20, 30));
    WritePicture(dir / "rsc/ctrl/00-next.png", 30, 40, MakeColor(30, 20, 10));
    WritePicture(dir / "rsc/ctrl/03-prev.png", 24, 32, MakeColor(1, 2, 3));
    WritePicture(dir / "rsc/ctrl/03-next.png", 24, 32, MakeColor(3, 2, 1));
    WritePicture(dir / "rsc/ctrl/ctrl3stat.png", 16, 48, clWhite);
    WritePicture(dir / "rsc/ctrl/h2_bg_silver.png", 8, 30, MakeColor(192, 192, 192));
    dir.Write("rsc/js/jquery.min.js", "/* jQuery */\n");
    dir.Write("rsc/js/JQuery.QorSlider.MIN.js", "/* stale copy */\n");
    dir.Write("rsc/js/extra/inner.js", "/* not copied */\n");
    return dir / "rsc";
}

// Settings ready for Make: the example design, a resource folder, an output folder and a
// script text.
inline TComQorCSS1 MakeSettings(const qortest::TempDir& dir)
{
    TComQorCSS1 s = ExampleSettings();
    s.SetRscFolder(WriteResourceFolder(dir).string() + "/");
    std::filesystem::create_directories(dir / "out");
    s.SetOutFolder((dir / "out").string() + "/");
    s.AssignJS({"(function($){", "})(jQuery);"});
    return s;
}

} // namespace galleryfixture
