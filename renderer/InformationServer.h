#pragma once

// Reads one document's information for the desktop program: the request
// from one descriptor until it ends, the result to the other. Returns the
// program's exit code: 0 when a result was written, whatever it says.
int answerInformation(int input, int output);
