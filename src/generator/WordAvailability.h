// Whether the word processor can be used, and whether one the user runs is in the way.
#pragma once

namespace generator {

// Ends the program, after the advice message, when no "Word.Application" can be created.
void VerifyWordInstalled();

// True when a running "Word.Application" answers with the name "Microsoft Word".
bool IsWordRunning();

// True means the run must not go on: a running Word was found and the user did not
// answer Yes to going on anyway.
bool ConfirmWordClosed();

// The two messages, exactly as shown.
extern const char* const kWordAdviceMessage;
extern const char* const kWordOpenQuestion;

}  // namespace generator
