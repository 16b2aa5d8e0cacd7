#pragma once

// Whether a character typed in the question field or the log goes into the
// answer field (and the focus with it): a letter or a digit, or a printable
// ASCII character, while the answer field takes input (test mode).
bool GoesIntoAnswerField(char32_t character, bool answerFieldReadOnly);
