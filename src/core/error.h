// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>

namespace Tintora {

// Every failure of our own code is one of these. Handlers let them escape; the single entry
// point from the event loop (runHandler) catches them and shows the error box.
class Error : public std::exception
{
public:
    explicit Error(QString message) : m_message(std::move(message)) { }
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override;

private:
    QString m_message;
    mutable QByteArray m_what;
};

// Text that is not an integer.
class ConvertError : public Error
{
public:
    using Error::Error;
};

// A list file that cannot be opened, read or written.
class FileError : public Error
{
public:
    using Error::Error;
};

// No color could be picked from the screen on this desktop.
class PickError : public Error
{
public:
    using Error::Error;
};

} // namespace Tintora
