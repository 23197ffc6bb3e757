// Word lists that the benchmarks build their lexicons and wordlists from.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qora::bench {

// `count` distinct upper-case words of 3 to 9 letters, in word order; the
// same every time.
inline std::vector<std::string> MakeWords(int count) {
    std::mt19937 random(7);
    std::vector<std::string> words;
    while (static_cast<int>(words.size()) < count) {
        while (static_cast<int>(words.size()) < count * 11 / 10) {
            std::string word(3 + random() % 7, 'A');
            for (char& c : word) c = static_cast<char>('A' + random() % 26);
            words.push_back(word);
        }
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
    }
    words.resize(count);
    return words;
}

}  // namespace qora::bench
