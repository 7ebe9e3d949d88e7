#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The text as a JSON string, quotes included; bytes from 0x80 up pass through unchanged.
std::string jsonQuoted(std::string_view text);

// One JSON object written on one line, its fields in the order they are added, "type" first.
class JsonLine {
  public:
    explicit JsonLine(std::string_view type);

    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonLine& number(std::string_view name, T value) {
        return raw(name, std::to_string(value));
    }
    JsonLine& text(std::string_view name, std::string_view value);
    JsonLine& flag(std::string_view name, bool value);
    JsonLine& null(std::string_view name);
    JsonLine& texts(std::string_view name, std::span<const std::string> values);
    JsonLine& numbers(std::string_view name, std::span<const std::int32_t> values);

    std::string str() const { return text_ + "}"; }

  private:
    JsonLine& raw(std::string_view name, std::string_view json);

    std::string text_;
};
