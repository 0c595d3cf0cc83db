#include <string>

#include "base/Text.h"
#include "messages/MessageContext.h"
#include "messages/Templates.h"

namespace vkr {

const std::array<const char*, kMessageCount> kMessageKeys = {
    "Welcome", "Format", "Signup", "Signup (without team partner)", "Next assign (1 player)",
    "Next assign (2 players)", "Next assign loss (1p)", "Next assign loss (2p)", "Next assign FINALS",
    "Next assign FINALS (2p)", "Thank you", "Bye", "Boot", "Boot returned", "Boot timed out", "All start",
    "Closed", "Time warning", "3rd place announcement", "Announce winners"};

// Seven bullets (0x95 in code page 1252) open most default texts.
#define VKR_BULLETS "\x95\x95\x95\x95\x95\x95\x95"

const std::array<const char*, 27> DefaultFormatText = {
    "Welcome=" VKR_BULLETS " Welcome to this Tournament, please sit at tables 43-48 and await your assignment.",
    "Format=" VKR_BULLETS " This tournament is %m point single elimination, %f point final",
    "Signup=" VKR_BULLETS " %p, Welcome to this Tournament. Please be seated at Table #%t by %u",
    "Signup (without team partner)=" VKR_BULLETS
    " %p (waiting for a partner), Welcome to this Tournament. Please be seated at Table #%t by %u",
    "Next assign (1 player)=" VKR_BULLETS " %p, you will be playing next at Table #%t for %r (Time%n)",
    "Next assign (2 players)=" VKR_BULLETS
    " %p and %o are assigned to Table #%t for %r (Set match to %m points, Time%n)",
    "Next assign loss (1p)=" VKR_BULLETS " %p, you have another chance at Table #%t for %r (Time%n)",
    "Next assign loss (2p)=" VKR_BULLETS
    " %p and %o, you have another chance at Table #%t for %r (Set match to %m points, Time%n)",
    "Next assign FINALS=" VKR_BULLETS " %p, you will be playing next at Table #%t for %r (Time%n)",
    "Next assign FINALS (2p)=" VKR_BULLETS
    " %p and %o are assigned to Table #%t for %r (Set match to %m points, Time%n)",
    "Thank you=" VKR_BULLETS " %p, thank you for playing this Tournament. Hope to see you here again.",
    "Bye=" VKR_BULLETS " %p, you have the lucky BYE for %r!",
    "Boot=" VKR_BULLETS " (At #%t) %p has %b minutes to return. It is now %n past the hour.",
    "Boot returned=" VKR_BULLETS " %p, welcome back. You are sitting at Table #%t",
    "Boot timed out=" VKR_BULLETS " %p, your opp (%o) has timed out, please post win",
    "All start=" VKR_BULLETS "     ALL START - %m points     " VKR_BULLETS "%c" VKR_BULLETS
    "     ALL START - %m points     " VKR_BULLETS "%c" VKR_BULLETS "     ALL START - %m points     " VKR_BULLETS,
    "Closed=" VKR_BULLETS " This tournament is now CLOSED",
    "3rd place announcement=" VKR_BULLETS " Congratulations go to %3 for THIRD PLACE " VKR_BULLETS,
    "Announce winners=" VKR_BULLETS " Congratulations go to %1 for FIRST PLACE " VKR_BULLETS "%c" VKR_BULLETS
    "   and to %2 for SECOND PLACE   " VKR_BULLETS "%c" VKR_BULLETS "   and to %3 for THIRD PLACE   " VKR_BULLETS,
    "Time warning=" VKR_BULLETS " You have %x minutes left to finish your game.",
    "Points=3,3,3,3,3,3,3,3,3,3,3,3,3,5",
    "Elim=1",
    "Win points=2,2,2,2,2,2,2,2,2,2,2,2,2,17",
    "Bye points=1,1,1,1,1,1,1,1,1,1,1,1,1,1",
    "Lose points=0,0,0,0,0,0,0,0,0,0,0,0,5,10",
    "Boot time=7",
    "Match time limits=45,45,45,45,45,45,45,45,45,45,45,45,45,60"};

#undef VKR_BULLETS

std::string DefaultFormatValue(const std::string& key) {
  for (const char* line : DefaultFormatText) {
    std::string_view text(line);
    size_t eq = text.find('=');
    if (SameText(text.substr(0, eq), key)) return std::string(text.substr(eq + 1));
  }
  return {};
}

}  // namespace vkr
