#include "JsonText.h"

#include <sstream>
#include <variant>

#include "engine/Text.h"

namespace pindeckctl {

using platform_fake::RecordedEvent;
using Tambo::platform::InputRecord;
using Tambo::platform::KeyboardRecord;
using Tambo::platform::MouseRecord;

nlohmann::json JsonString(std::u16string_view text) {
    return Tambo::Utf16ToUtf8(text);
}

nlohmann::json JsonStringFromArgument(std::string_view argument) {
    return Tambo::SanitizeUtf8(argument);
}

namespace {

nlohmann::json RecordJson(const InputRecord& record) {
    if (const auto* key = std::get_if<KeyboardRecord>(&record)) {
        return {{"type", "key"},
                {"vk", key->virtualKey},
                {"scan", key->scanCode},
                {"flags", key->flags}};
    }
    const auto& mouse = std::get<MouseRecord>(record);
    return {{"type", "mouse"}, {"dx", mouse.dx}, {"dy", mouse.dy}, {"flags", mouse.flags}};
}

std::string RecordText(const InputRecord& record) {
    std::ostringstream text;
    if (const auto* key = std::get_if<KeyboardRecord>(&record)) {
        text << "key vk=" << key->virtualKey << " scan=" << key->scanCode
             << " flags=" << key->flags;
    } else {
        const auto& mouse = std::get<MouseRecord>(record);
        text << "mouse dx=" << mouse.dx << " dy=" << mouse.dy << " flags=" << mouse.flags;
    }
    return text.str();
}

}  // namespace

nlohmann::json EventJson(const RecordedEvent& event) {
    switch (event.kind) {
        case RecordedEvent::Kind::Send: {
            nlohmann::json records = nlohmann::json::array();
            for (const InputRecord& record : event.records) {
                records.push_back(RecordJson(record));
            }
            return {{"send", records}};
        }
        case RecordedEvent::Kind::Pause:
            return {{"pause", event.pauseMs}};
        case RecordedEvent::Kind::Post:
            return {{"post", JsonString(event.text)}};
    }
    return nullptr;
}

std::string EventText(const RecordedEvent& event) {
    switch (event.kind) {
        case RecordedEvent::Kind::Send: {
            std::string text = "send";
            const char* separator = " ";
            for (const InputRecord& record : event.records) {
                text += separator + RecordText(record);
                separator = " | ";
            }
            return text;
        }
        case RecordedEvent::Kind::Pause:
            return "pause " + std::to_string(event.pauseMs) + " ms";
        case RecordedEvent::Kind::Post:
            return "post " + JsonString(event.text).dump();
    }
    return {};
}

}  // namespace pindeckctl
