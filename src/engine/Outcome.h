// How an operation on the system ended: empty on success, else a Failure that
// carries the system's own text for it. One type for every layer, so that a
// failure reaches the user in the system's words wherever it happened.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace orvelle {

struct Failure {
    // The few failures a caller answers differently; all others are Other.
    enum class Kind {
        Other,
        NotFound,      // the file or value is not there (a first run, a ruler not installed)
        PathNotFound,  // a folder on the way is not there
        Unavailable,   // the place itself cannot be opened (a registry key, say)
    };
    Kind kind = Kind::Other;
    std::string text;

    bool Is(Kind k) const { return kind == k; }
};

inline Failure MakeFailure(std::string text, Failure::Kind kind = Failure::Kind::Other) {
    return Failure{kind, std::move(text)};
}

using Outcome = std::optional<Failure>;

// A value, or the failure that kept it from being made.
template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}        // NOLINT(google-explicit-constructor)
    Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

    bool Ok() const { return value_.has_value(); }
    const T& Value() const { return *value_; }
    T& Value() { return *value_; }
    // Meaningful only when !Ok().
    const Failure& Error() const { return failure_; }

private:
    std::optional<T> value_;
    Failure failure_;
};

}  // namespace orvelle
