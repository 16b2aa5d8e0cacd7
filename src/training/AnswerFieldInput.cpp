#include "training/AnswerFieldInput.h"

#include <QChar>

bool GoesIntoAnswerField(char32_t character, bool answerFieldReadOnly)
{
    if (answerFieldReadOnly)
        return false;
    return QChar::isLetter(character) || QChar::isDigit(character)
        || (character >= 32 && character <= 126);
}
