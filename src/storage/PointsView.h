#pragma once
// The points view's work outside its window: the summary it opens on, and
// what its buttons do with the text the host may have edited (lines ended by
// CR LF, LF or CR): copy, save and hand to the mail client.
#include <string>
#include <string_view>
#include <vector>

namespace vkr {

struct TTourney;
class TMailPort;

// Saves the tournament, which refreshes the points, then builds the summary.
// False when the summary was refused (the host was told why).
bool OpenPointsView(TTourney& t, std::vector<std::string>& lines);
void CopyPointsText(TTourney& t, std::string_view text);
// "Save": writes the text; false, after an error box, when it cannot.
bool SavePointsFile(TTourney& t, const std::string& fileName, std::string_view text);
// The file "E-mail" writes beside the tournament: its name with ".txt".
std::string PointsMailFile(const TTourney& t);
// "Results for <format> Tournament at <start time> on <dd mmm yy>".
std::string PointsMailSubject(const TTourney& t);
// "E-mail": writes the text to PointsMailFile, then hands a message with the
// text as its body to the mail client. False, after telling the host, when
// either fails.
bool MailPointsText(TTourney& t, TMailPort& mail, std::string_view text);

}  // namespace vkr
