#include "data/text/RtfText.h"

#include "data/text/SystemCodePage.h"

#include <algorithm>
#include <vector>

namespace {

// Real documents nest a few dozen groups at most; text nested deeper than
// this is dropped rather than letting the stack grow with the input.
constexpr std::size_t maxGroupDepth = 256;

// RTF control words have at most 32 letters and parameters fit 16 bits
// (\u uses negative values for the upper half); larger numbers are capped.
constexpr long maxParameter = 1L << 30;

struct GroupState
{
    bool skip = false; // inside a destination that holds no text
    long uc = 1; // fallback characters that follow each \uN
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSkippedDestination(QByteArrayView word)
{
    static constexpr const char *destinations[] = {
        "fonttbl",
        "colortbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "generator",
        "xmlnstbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "fldinst",
        "filetbl",
        "annotation",
        "nonshppict",
    };
    return std::any_of(std::begin(destinations), std::end(destinations),
                       [word](const char *d) { return word == QByteArrayView(d); });
}

// The text a control word stands for, empty for most.
QStringView textOfWord(QByteArrayView word)
{
    struct Entry
    {
        const char *word;
        const char16_t *text;
    };
    static constexpr Entry entries[] = {
        {"par", u"\r\n"},         {"line", u"\r\n"},        {"sect", u"\r\n"},
        {"page", u"\r\n"},        {"row", u"\r\n"},         {"tab", u"\t"},
        {"cell", u"\t"},          {"emdash", u"\u2014"},    {"endash", u"\u2013"},
        {"bullet", u"\u2022"},    {"lquote", u"\u2018"},    {"rquote", u"\u2019"},
        {"ldblquote", u"\u201C"}, {"rdblquote", u"\u201D"}, {"emspace", u"\u2003"},
        {"enspace", u"\u2002"},
    };
    for (const Entry &e : entries) {
        if (word == QByteArrayView(e.word))
            return e.text;
    }
    return {};
}

class RtfReader
{
public:
    explicit RtfReader(QByteArrayView rtf)
        : in(rtf.data())
        , size(rtf.size())
    {
        text.reserve(size / 2);
    }

    QString read()
    {
        while (pos < size) {
            if (overDepth > 0)
                passOverDeepGroup();
            else
                readToken();
        }
        return text;
    }

private:
    void readToken()
    {
        const char c = in[pos++];
        switch (c) {
        case '{':
            fallbackLeft = 0;
            if (stack.size() < maxGroupDepth)
                stack.push_back(state);
            else
                overDepth = 1;
            break;
        case '}':
            fallbackLeft = 0;
            if (!stack.empty()) {
                state = stack.back();
                stack.pop_back();
            }
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            break; // line breaks of the source are no text
        default:
            if (!consumeFallback())
                put(systemCodePageCharacter(static_cast<unsigned char>(c)));
        }
    }

    // Only braces and escaped characters matter until the deep group ends.
    void passOverDeepGroup()
    {
        const char c = in[pos++];
        if (c == '{')
            ++overDepth;
        else if (c == '}')
            --overDepth;
        else if (c == '\\' && pos < size)
            ++pos;
    }

    void readControl()
    {
        if (pos >= size)
            return;
        if (isLetter(in[pos]))
            readControlWord();
        else
            readControlSymbol(in[pos++]);
    }

    void readControlWord()
    {
        const qsizetype start = pos;
        while (pos < size && isLetter(in[pos]))
            ++pos;
        const QByteArrayView word(in + start, pos - start);
        bool negative = false;
        if (pos + 1 < size && in[pos] == '-' && isDigit(in[pos + 1])) {
            negative = true;
            ++pos;
        }
        bool hasParameter = false;
        long parameter = 0;
        while (pos < size && isDigit(in[pos])) {
            hasParameter = true;
            parameter = std::min(maxParameter, parameter * 10 + (in[pos] - '0'));
            ++pos;
        }
        if (negative)
            parameter = -parameter;
        if (pos < size && in[pos] == ' ')
            ++pos;

        // Binary data is passed over even where the word itself is skipped:
        // its bytes are no RTF.
        if (word == "bin") {
            pos += std::clamp<qsizetype>(parameter, 0, size - pos);
            return;
        }
        if (consumeFallback())
            return;
        if (word == "u") {
            if (hasParameter)
                putUnicode(parameter);
        } else if (word == "uc") {
            state.uc = std::clamp(parameter, 0L, 16L);
        } else if (isSkippedDestination(word)) {
            state.skip = true;
        } else {
            put(textOfWord(word));
        }
    }

    void readControlSymbol(char symbol)
    {
        if (symbol == '\'') {
            readHexCharacter();
            return;
        }
        if (consumeFallback())
            return;
        switch (symbol) {
        case '*':
            state.skip = true; // a destination we may not know: never text
            break;
        case '\\':
        case '{':
        case '}':
            put(QChar::fromLatin1(symbol));
            break;
        case '~':
            put(QChar(0x00A0));
            break;
        case '_':
            put(QChar(u'-'));
            break;
        case '\t':
            put(QChar(u'\t'));
            break;
        case '\r':
        case '\n':
            put(u"\r\n");
            break;
        default:
            break; // \- (optional hyphen) and unknown symbols hold no text
        }
    }

    void readHexCharacter()
    {
        if (pos + 1 >= size) {
            pos = size; // cut off inside the escape
            return;
        }
        const int high = hexValue(in[pos]);
        const int low = hexValue(in[pos + 1]);
        if (high < 0 || low < 0)
            return;
        pos += 2;
        if (consumeFallback())
            return;
        put(systemCodePageCharacter(static_cast<unsigned char>(high * 16 + low)));
    }

    void putUnicode(long value)
    {
        if (value < 0)
            value += 65536;
        if (value >= 0 && value <= 0xFFFF)
            put(QChar(char16_t(value)));
        fallbackLeft = state.uc;
    }

    // The characters after \uN are for readers without Unicode: skip them.
    bool consumeFallback()
    {
        if (fallbackLeft == 0)
            return false;
        --fallbackLeft;
        return true;
    }

    void put(QStringView s)
    {
        if (!state.skip)
            text.append(s);
    }

    void put(QChar c)
    {
        if (!state.skip)
            text.append(c);
    }

    const char *in;
    const qsizetype size;
    qsizetype pos = 0;
    std::vector<GroupState> stack;
    GroupState state;
    qsizetype overDepth = 0;
    long fallbackLeft = 0;
    QString text;
};

} // namespace

QString rtfToPlainText(QByteArrayView rtf)
{
    return RtfReader(rtf).read();
}
