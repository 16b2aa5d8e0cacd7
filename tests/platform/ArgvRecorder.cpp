// Stands in for a started program: writes its working folder and its
// arguments, each ended by a zero byte, to the file named by LW_ARGV_FILE.
// The file appears complete or not at all.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char **argv)
{
    const char *out = std::getenv("LW_ARGV_FILE");
    char folder[PATH_MAX];
    if (!out || !getcwd(folder, sizeof folder))
        return 2;
    std::string text = folder;
    text += '\0';
    for (int i = 1; i < argc; ++i) {
        text += argv[i];
        text += '\0';
    }
    const std::string part = std::string(out) + ".part";
    std::FILE *file = std::fopen(part.c_str(), "wb");
    if (!file)
        return 3;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written)
        return 4;
    return std::rename(part.c_str(), out) == 0 ? 0 : 5;
}
