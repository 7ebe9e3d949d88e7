#include "json_line.h"

#include <cstdio>

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

JsonLine::JsonLine(std::string_view type) : text_("{") {
    text("type", type);
}

JsonLine& JsonLine::raw(std::string_view name, std::string_view json) {
    if (text_.size() > 1) {
        text_ += ',';
    }
    text_ += jsonQuoted(name);
    text_ += ':';
    text_ += json;
    return *this;
}

JsonLine& JsonLine::text(std::string_view name, std::string_view value) {
    return raw(name, jsonQuoted(value));
}

JsonLine& JsonLine::flag(std::string_view name, bool value) {
    return raw(name, value ? "true" : "false");
}

JsonLine& JsonLine::null(std::string_view name) {
    return raw(name, "null");
}

JsonLine& JsonLine::texts(std::string_view name, std::span<const std::string> values) {
    std::string list = "[";
    for (const std::string& value : values) {
        if (list.size() > 1) {
            list += ',';
        }
        list += jsonQuoted(value);
    }
    return raw(name, list + "]");
}

JsonLine& JsonLine::numbers(std::string_view name, std::span<const std::int32_t> values) {
    std::string list = "[";
    for (const std::int32_t value : values) {
        if (list.size() > 1) {
            list += ',';
        }
        list += std::to_string(value);
    }
    return raw(name, list + "]");
}
