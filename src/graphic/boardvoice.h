// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

namespace Quozzoli {

// The voice of a candy board: one sentence at a time, and what follows it
// once it has been heard.
class BoardVoice : public QObject
{
    Q_OBJECT

public:
    explicit BoardVoice(QObject *board);

    // Says the files as one sentence; once it has ended runs `then`, and
    // tells quiet() unless `then` began another sentence.
    void say(const std::vector<std::string> &files, std::function<void()> then = {});
    bool speaking() const { return m_speaking; }
    // The sentence stops at once, and what was to follow it never runs.
    void silence();

signals:
    void quiet();

private:
    void spoken();

    bool m_speaking = false;
    std::function<void()> m_then;
    QMetaObject::Connection m_heard;
};

} // namespace Quozzoli
