// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "testenvironment.h"

#include <QObject>

#include <memory>

// A test class whose every test function runs in an environment of its own.
class EnvironmentPerTest : public QObject
{
    Q_OBJECT

protected slots:
    // Run by QtTest before each test function.
    void init()
    {
        m_env.reset(); // the old environment goes before the new one comes
        m_env = std::make_unique<TestEnvironment>();
    }

protected:
    std::unique_ptr<TestEnvironment> m_env;
};
