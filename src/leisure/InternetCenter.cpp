#include "leisure/InternetCenter.h"

#include <string>

namespace tavo {
namespace {

std::string failureText(FetchFailure failure, int status) {
    switch (failure) {
    case FetchFailure::Connection:
        return "Unable to connect to the Tavo web site.\n"
               "Check that you are on the internet and try again.";
    case FetchFailure::Deadline:
        return "The Tavo web site took too long to answer.\nTry again later.";
    case FetchFailure::Status:
        return "The Tavo web site could not send this page (error " + std::to_string(status) +
               ").\nTry again later.";
    case FetchFailure::TooLarge:
        return "The page sent by the Tavo web site is too long to be shown.";
    case FetchFailure::Redirected:
        return "The Tavo web site sent the game to another site.\nThe page was not fetched.";
    case FetchFailure::TooManyRedirects:
        return "The Tavo web site sent the game from address to address too many times.\n"
               "The page was not fetched.";
    }
    return "The page could not be fetched.";
}

} // namespace

bool askConnected(Voice& voice) {
    return voice.ask(question("You must be on the internet to enter here.\nAre you on internet?",
                              "Are you connected?"));
}

void reportFetchFailure(Voice& voice, FetchFailure failure, int status) {
    voice.say(refusal(failureText(failure, status), "Internet Center"));
}

} // namespace tavo
