#include "platform/macos/mac_settings_store.h"

#include <CoreFoundation/CoreFoundation.h>

#include "platform/macos/cf_text.h"

namespace varnel {

namespace {

bool isOfType(CFPropertyListRef value, CFTypeID type) {
    return value != nullptr && CFGetTypeID(value) == type;
}

}  // namespace

MacSettingsStore::MacSettingsStore(std::string_view domain)
    : domain_(CFText::createString(domain)), ownsDomain_(true) {}

MacSettingsStore::~MacSettingsStore() {
    if (ownsDomain_) {
        CFRelease(domain_);
    }
}

// The stored value of a key, owned by the caller; null when absent.
CFPropertyListRef MacSettingsStore::copyValue(std::string_view key) const {
    CFStringRef name = CFText::createString(key);
    CFPropertyListRef value = CFPreferencesCopyAppValue(name, domain_);
    CFRelease(name);
    return value;
}

// Stores `value` (borrowed) under the key and writes the defaults out.
void MacSettingsStore::storeValue(std::string_view key, CFPropertyListRef value) {
    CFStringRef name = CFText::createString(key);
    CFPreferencesSetAppValue(name, value, domain_);
    CFPreferencesAppSynchronize(domain_);
    CFRelease(name);
}

std::optional<std::string> MacSettingsStore::data(std::string_view key) {
    CFPropertyListRef value = copyValue(key);
    std::optional<std::string> bytes;
    if (isOfType(value, CFDataGetTypeID())) {
        const auto data = static_cast<CFDataRef>(value);
        bytes = std::string(reinterpret_cast<const char*>(CFDataGetBytePtr(data)),
                            static_cast<std::size_t>(CFDataGetLength(data)));
    }
    if (value != nullptr) {
        CFRelease(value);
    }
    return bytes;
}

void MacSettingsStore::setData(std::string_view key, std::string_view bytes) {
    CFDataRef data = CFDataCreate(kCFAllocatorDefault, reinterpret_cast<const UInt8*>(bytes.data()),
                                  static_cast<CFIndex>(bytes.size()));
    storeValue(key, data);
    CFRelease(data);
}

std::optional<std::string> MacSettingsStore::string(std::string_view key) {
    CFPropertyListRef value = copyValue(key);
    std::optional<std::string> text = CFText::utf8(value);
    if (value != nullptr) {
        CFRelease(value);
    }
    return text;
}

void MacSettingsStore::setString(std::string_view key, std::string_view value) {
    CFStringRef text = CFText::createString(value);
    storeValue(key, text);
    CFRelease(text);
}

bool MacSettingsStore::boolValue(std::string_view key) {
    CFPropertyListRef value = copyValue(key);
    const bool on = isOfType(value, CFBooleanGetTypeID()) &&
                    CFBooleanGetValue(static_cast<CFBooleanRef>(value));
    if (value != nullptr) {
        CFRelease(value);
    }
    return on;
}

void MacSettingsStore::setBool(std::string_view key, bool value) {
    storeValue(key, value ? kCFBooleanTrue : kCFBooleanFalse);
}

}  // namespace varnel
