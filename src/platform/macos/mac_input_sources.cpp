#include "platform/macos/mac_input_sources.h"

#include <Carbon/Carbon.h>

#include "platform/macos/cf_text.h"
#include "platform/macos/mac_keyboard_layout.h"

namespace varnel {

namespace {

// Takes over one reference to `source`.
InputSource describe(TISInputSourceRef source) {
    InputSource described;
    described.handle = std::shared_ptr<const void>(source, [](const void* s) { CFRelease(s); });
    described.identifier = CFText::utf8(
        static_cast<CFTypeRef>(TISGetInputSourceProperty(source, kTISPropertyInputSourceID)));
    described.localizedName = CFText::utf8(
        static_cast<CFTypeRef>(TISGetInputSourceProperty(source, kTISPropertyLocalizedName)));
    return described;
}

TISInputSourceRef tisSource(const InputSource& source) {
    return static_cast<TISInputSourceRef>(const_cast<void*>(source.handle.get()));
}

// The sources of a list TIS made; takes over `list`.
std::vector<InputSource> sourcesOf(CFArrayRef list) {
    std::vector<InputSource> sources;
    if (list == nullptr) {
        return sources;
    }
    const CFIndex count = CFArrayGetCount(list);
    for (CFIndex i = 0; i < count; ++i) {
        auto source =
            static_cast<TISInputSourceRef>(const_cast<void*>(CFArrayGetValueAtIndex(list, i)));
        CFRetain(source);  // the array's element is borrowed; the handle keeps its own
        sources.push_back(describe(source));
    }
    CFRelease(list);
    return sources;
}

}  // namespace

std::vector<InputSource> MacInputSources::installedSources() {
    return sourcesOf(TISCreateInputSourceList(nullptr, true));
}

std::vector<InputSource> MacInputSources::sourcesWithIdentifier(std::string_view identifier) {
    CFStringRef id = CFStringCreateWithBytes(
        kCFAllocatorDefault, reinterpret_cast<const UInt8*>(identifier.data()),
        static_cast<CFIndex>(identifier.size()), kCFStringEncodingUTF8, false);
    if (id == nullptr) {
        return {};
    }
    const void* keys[] = {kTISPropertyInputSourceID};
    const void* values[] = {id};
    CFDictionaryRef filter =
        CFDictionaryCreate(kCFAllocatorDefault, keys, values, 1, &kCFTypeDictionaryKeyCallBacks,
                           &kCFTypeDictionaryValueCallBacks);
    CFRelease(id);
    if (filter == nullptr) {
        return {};
    }
    std::vector<InputSource> sources = sourcesOf(TISCreateInputSourceList(filter, true));
    CFRelease(filter);
    return sources;
}

std::optional<InputSource> MacInputSources::currentKeyboardSource() {
    TISInputSourceRef source = TISCopyCurrentKeyboardInputSource();
    if (source == nullptr) {
        return std::nullopt;
    }
    return describe(source);
}

int MacInputSources::enable(const InputSource& source) {
    return static_cast<int>(TISEnableInputSource(tisSource(source)));
}

int MacInputSources::select(const InputSource& source) {
    return static_cast<int>(TISSelectInputSource(tisSource(source)));
}

KeyboardType MacInputSources::physicalKeyboardType() {
    // The type of the keyboard the user typed on last.
    return macKeyboardLayout(static_cast<SInt16>(LMGetKbdType()));
}

}  // namespace varnel
