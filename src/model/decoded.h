#pragma once

#include <string>
#include <utility>
#include <variant>

namespace varnel {

// Why a stored form could not be decoded.
struct DecodeError {
    std::string message;
};

// The outcome of decoding: the value, or the reason it could not be read.
// Decoders return this instead of letting an exception escape.
template <class T>
class Decoded {
  public:
    Decoded(T value) : result_(std::move(value)) {}
    Decoded(DecodeError error) : result_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(result_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(result_); }
    const DecodeError& error() const { return std::get<DecodeError>(result_); }
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

  private:
    std::variant<T, DecodeError> result_;
};

}  // namespace varnel
