#include "tests/support/TestGroup.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::map<std::string, TestGroup::Entry> &entries()
{
    static std::map<std::string, TestGroup::Entry> all;
    return all;
}

} // namespace

bool TestGroup::add(const char *name, Entry entry)
{
    entries()[name] = entry;
    return true;
}

int main(int argc, char *argv[])
{
    const auto &all = entries();
    if (all.size() == 1)
        return all.begin()->second(argc, argv);

    const auto chosen = argc > 1 ? all.find(argv[1]) : all.end();
    if (chosen == all.end()) {
        std::fprintf(stderr, "usage: %s <test class> [Qt Test options]\ntest classes:", argv[0]);
        for (const auto &entry : all)
            std::fprintf(stderr, " %s", entry.first.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    // The class runs as if it were the program: its name leaves the arguments.
    std::vector<char *> arguments(argv, argv + argc);
    arguments.erase(arguments.begin() + 1);
    arguments.push_back(nullptr);
    return chosen->second(argc - 1, arguments.data());
}
