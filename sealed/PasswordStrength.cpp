#include "PasswordStrength.h"

#include <zxcvbn.h>

#include <cmath>
#include <cstdio>

namespace modVW {
namespace {

constexpr double kMinute = 60, kHour = 60 * kMinute, kDay = 24 * kHour, kYear = 365.25 * kDay;

// "1 day", "3 days": the count rounded, the unit in the singular for one.
std::string Count(double value, const char* unit) {
    const long long n = std::llround(value);
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

std::string Rate(double guessesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", guessesPerSecond);
    return text;
}

}  // namespace

PasswordAdvice AdviseOn(const std::string& password, const SealedCost& cost) {
    PasswordAdvice advice;
    // zxcvbn reads a C string: a password holding a zero byte is judged up to it,
    // which can only make it look weaker than it is.
    advice.Bits = password.empty() ? 0 : ZxcvbnMatch(password.c_str(), nullptr, nullptr);
    const double work = double(cost.Passes) * double(cost.MemoryBytes);
    const double reference = double(kNewFileCost.Passes) * double(kNewFileCost.MemoryBytes);
    advice.GuessesPerSecond = kGuessesPerSecondAtNewFileCost * reference / work;
    advice.Seconds = std::exp2(advice.Bits) / 2 / advice.GuessesPerSecond;
    advice.Weak = advice.Seconds < kWeakBelowYears * kYear;
    return advice;
}

std::string DurationText(double seconds) {
    if (seconds < kMinute) return "less than a minute";
    if (seconds < kHour) return "about " + Count(seconds / kMinute, "minute");
    if (seconds < kDay) return "about " + Count(seconds / kHour, "hour");
    if (seconds < kYear) return "about " + Count(seconds / kDay, "day");
    const double years = seconds / kYear;
    if (years < 1e3) return "about " + Count(years, "year");
    if (years < 1e6) return "about " + Count(years / 1e3, "thousand year");
    if (years < 1e9) return "about " + Count(years / 1e6, "million year");
    return "more than a billion years";
}

std::string GuessingText(const PasswordAdvice& advice) {
    return "would take " + DurationText(advice.Seconds) + " to guess at " +
           Rate(advice.GuessesPerSecond) + " guesses a second per processor";
}

std::string WeakPasswordText(const PasswordAdvice& advice) {
    return "This password is weak: it " + GuessingText(advice) +
           ", and an attacker has many processors. A longer password, or a generated "
           "passphrase of several words, is much harder to guess.";
}

}  // namespace modVW
