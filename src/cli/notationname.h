// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/notation.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// The notations by the short names the command line takes (--format oklch): one name for each
// form of Edit > Copy As, lowercase, and read in any letter case.
namespace Tintora::NotationName {

struct Row
{
    Notation::Form form;
    const char *name;
    const char *example; // the color #FF8000 in the form, as the help shows it
};

inline constexpr std::array<Row, 15> rows {{
        {Notation::Form::Hex, "hex", "#FF8000"},
        {Notation::Form::HexLowercase, "hex-lower", "#ff8000"},
        {Notation::Form::HexBare, "hex-bare", "FF8000"},
        {Notation::Form::Rgb, "rgb", "rgb(255 128 0)"},
        {Notation::Form::RgbCommas, "rgb-commas", "rgb(255, 128, 0)"},
        {Notation::Form::Hsl, "hsl", "hsl(30 100% 50%)"},
        {Notation::Form::Hwb, "hwb", "hwb(30 0% 0%)"},
        {Notation::Form::Lab, "lab", "lab(68 46 75)"},
        {Notation::Form::Lch, "lch", "lch(67.8 88 59)"},
        {Notation::Form::Oklab, "oklab", "oklab(0.732 0.112 0.15)"},
        {Notation::Form::Oklch, "oklch", "oklch(0.732 0.186 53)"},
        {Notation::Form::ColorSrgb, "color-srgb", "color(srgb 1 0.5 0)"},
        {Notation::Form::HexNumber, "0x", "0xFF8000"},
        {Notation::Form::Bytes, "bytes", "255, 128, 0"},
        {Notation::Form::Fractions, "fractions", "1.0, 0.5, 0.0"},
}};
static_assert(rows.size() == Notation::allForms.size(), "every form has a short name");

// The form a name stands for, in any letter case; nothing for a name that is none of them.
std::optional<Notation::Form> formNamed(QStringView name);
// The form's short name, "oklch".
QString nameOf(Notation::Form form);
// Every short name, in the order of Copy As.
QStringList names();

} // namespace Tintora::NotationName
