// The Internet Center's rules and words: the question before the window
// opens, the version of the running game shown beside the latest one, the
// limits a fetch from the web site keeps to, and what the player reads when
// a fetch fails.
#pragma once

#include "core/Voice.h"

#include <string_view>

namespace tavo {

inline constexpr const char* kRunningVersionText =
    N_("Your version is\n----\nVersion: 0.4.1\nBuild: 36\nDate: August 7th, 1999\n");

// A fetch is given up after this long, whatever the server does.
inline constexpr int kFetchDeadlineMs = 5000;
// A document longer than this is not shown (nor read further).
inline constexpr int kDocumentCap = 64 * 1024;
// Redirects followed, all within the site's host.
inline constexpr int kMaxRedirects = 3;

enum class FetchFailure {
    Connection, // no connection, or it broke
    Deadline,   // the fetch took longer than its deadline
    Status,     // the server answered with something other than success
    TooLarge,   // the document is longer than the cap
    Redirected, // a redirect to another host, or to no web address
    TooManyRedirects,
};

// "Are you on internet?" before the window opens; true on Yes.
bool askConnected(Voice& voice);

// Tells the player why a fetch failed; `status` is the server's answer
// for FetchFailure::Status.
void reportFetchFailure(Voice& voice, FetchFailure failure, int status = 0);

} // namespace tavo
