#include "leisure/InternetCenter.h"

#include <string>

namespace tavo {
namespace {

Phrase failureText(FetchFailure failure, int status) {
    switch (failure) {
    case FetchFailure::Connection:
        return N_("Unable to connect to the Tavo web site.\n"
                  "Check that you are on the internet and try again.");
    case FetchFailure::Deadline:
        return N_("The Tavo web site took too long to answer.\nTry again later.");
    case FetchFailure::Status:
        return {N_("The Tavo web site could not send this page (error %1).\nTry again later."),
                {asIs(std::to_string(status))}};
    case FetchFailure::TooLarge:
        return N_("The page sent by the Tavo web site is too long to be shown.");
    case FetchFailure::Redirected:
        return N_("The Tavo web site sent the game to another site.\nThe page was not fetched.");
    case FetchFailure::TooManyRedirects:
        return N_("The Tavo web site sent the game from address to address too many times.\n"
                  "The page was not fetched.");
    }
    return N_("The page could not be fetched.");
}

} // namespace

bool askConnected(Voice& voice) {
    return voice.ask(
        question(N_("You must be on the internet to enter here.\nAre you on internet?"),
                 N_("Are you connected?")));
}

void reportFetchFailure(Voice& voice, FetchFailure failure, int status) {
    voice.say(refusal(failureText(failure, status), N_("Internet Center")));
}

} // namespace tavo
