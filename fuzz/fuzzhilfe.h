#pragma once

// Shared by the libFuzzer harnesses. Each harness hands one input to the real code and
// stops with verletzt() when a property that must hold for every input is broken;
// libFuzzer then keeps the input as a finding, as it does for a sanitizer report.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace fuzz
{
// The one application object (SQL driver, locale) in test mode, so that nothing of the
// real user's is read or written; with `schriften` a QGuiApplication on the offscreen
// platform, for code that measures text. Debug lines are dropped: they would drown the
// fuzzer's own output and slow it down.
void anwendung(bool schriften = false);

// The fuzzer's bytes as they arrive.
QByteArray bytes(const uint8_t* data, size_t size);

// Runs `lauf` and returns the debug lines it wrote.
QStringList debugZeilen(const std::function<void()>& lauf);

// Ends the run as a finding, naming the broken property.
[[noreturn]] void verletzt(const char* eigenschaft, const QString& einzelheiten);
} // namespace fuzz
