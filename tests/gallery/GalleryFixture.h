// Shared pieces of the gallery writer tests: the settings of the documented page example,
// small templates with every key line, and picture entries with given texts.
#pragma once

#include "gallery/ComQorCSS.h"
#include "imagelist/AttrLine.h"
#include "imagelist/CustomImgLS.h"

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

} // namespace galleryfixture
