#include "storage/BracketPage.h"

#include "base/XmlText.h"
#include "engine/Tourney.h"
#include "storage/BracketSvg.h"

namespace vkr {
namespace {

// Two check boxes work the page without a script: fit the picture to the
// window, and hide the losers' lines when they crowd a large bracket.
constexpr const char* kStyle = R"(<style>
body { margin: 0; font-family: "DejaVu Sans", Verdana, Arial, sans-serif; color: #1c2733; background: #f4f5f7; }
header { padding: 14px 18px 8px; }
h1 { font-size: 22px; margin: 0 0 4px; }
header p { margin: 0; color: #4a5561; }
input { margin: 0 4px 10px 18px; }
label { color: #4a5561; font-size: 13px; }
.picture { padding: 0 10px 16px; }
.picture svg { display: block; }
#fit:checked ~ .picture svg { width: 100%; height: auto; }
#losers:not(:checked) ~ .picture .loser { display: none; }
</style>
)";

}  // namespace

std::string BracketPictureHtml(const TTourney& t) {
  const TPictureTitle title = PictureTitle(t);
  std::string details;
  if (!title.Date.empty()) details += "Date: " + XmlText(title.Date);
  if (!title.Host.empty()) details += (details.empty() ? "" : " &#183; ") + std::string("Host: ") + XmlText(title.Host);
  std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                     XmlText(title.Name) + " \xE2\x80\x93 bracket</title>\n" + kStyle + "</head>\n<body>\n";
  page += "<header><h1>" + XmlText(title.Name) + "</h1><p>" + details + "</p></header>\n";
  page += "<input type=\"checkbox\" id=\"fit\"><label for=\"fit\">Fit to the window's width</label>\n";
  if (t.ElimFormat != ElimSingle) {
    page += "<input type=\"checkbox\" id=\"losers\" checked><label for=\"losers\">Show where losers went</label>\n";
  }
  page += "<div class=\"picture\">\n" + BracketSvgElement(t, false) + "</div>\n</body>\n</html>\n";
  return page;
}

}  // namespace vkr
