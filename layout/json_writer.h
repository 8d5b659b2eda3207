#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace hourvault {

// Writes JSON as it goes: objects and arrays opened and closed in order, a key before each
// member's value. Enough for the tables the build hands to the page and to the tests.
class JsonWriter {
public:
    JsonWriter& open(char bracket) {
        separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    JsonWriter& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    JsonWriter& key(std::string_view name) {
        value(name);
        text_ += ':';
        first_ = true;
        return *this;
    }
    JsonWriter& value(std::string_view text) {
        separate();
        text_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
                text_ += escaped.data();
            } else {
                text_ += c;
            }
        }
        text_ += '"';
        return *this;
    }
    JsonWriter& value(const char* text) {
        if (text == nullptr) {
            separate();
            text_ += "null";
            return *this;
        }
        return value(std::string_view(text));
    }
    JsonWriter& value(int number) {
        separate();
        text_ += std::to_string(number);
        return *this;
    }
    JsonWriter& value(bool flag) {
        separate();
        text_ += flag ? "true" : "false";
        return *this;
    }
    template <typename Value> JsonWriter& member(std::string_view name, const Value& value) {
        key(name);
        return this->value(value);
    }

    // The whole text, or false if it could not be written to the file.
    [[nodiscard]] bool save(const char* path) const {
        std::FILE* file = std::fopen(path, "wb");
        if (file == nullptr) {
            return false;
        }
        const bool written = std::fwrite(text_.data(), 1, text_.size(), file) == text_.size();
        return std::fclose(file) == 0 && written;
    }

private:
    void separate() {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
    }

    std::string text_;
    bool first_ = true;
};

} // namespace hourvault
