// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <map>
#include <set>
#include <vector>

// Counts of drawn values, and Pearson's chi-square test of those counts
// against the weights they should follow.
class Frequencies
{
public:
    void add(int value)
    {
        ++m_counts[value];
        ++m_total;
    }
    int count(int value) const
    {
        auto it = m_counts.find(value);
        return it == m_counts.end() ? 0 : it->second;
    }
    const std::map<int, int> &counts() const { return m_counts; }
    std::set<int> seen() const
    {
        std::set<int> values;
        for (const auto &[value, n] : m_counts)
            values.insert(value);
        return values;
    }

    // first, first + 1, ..., last
    static std::vector<int> range(int first, int last)
    {
        std::vector<int> values;
        for (int v = first; v <= last; ++v)
            values.push_back(v);
        return values;
    }

    // True when the counts fit the weights (value -> relative weight) at the
    // 0.1 % level and no value outside them came up at all.
    bool follows(const std::map<int, double> &weights) const
    {
        double sum = 0;
        for (const auto &[value, weight] : weights)
            sum += weight;
        for (const auto &[value, n] : m_counts) {
            if (weights.find(value) == weights.end())
                return false;
        }
        double chiSquare = 0;
        for (const auto &[value, weight] : weights) {
            const double expected = m_total * weight / sum;
            const double difference = count(value) - expected;
            chiSquare += difference * difference / expected;
        }
        return chiSquare <= criticalValue(int(weights.size()) - 1);
    }

    bool uniformOver(const std::vector<int> &values) const
    {
        std::map<int, double> weights;
        for (int value : values)
            weights[value] = 1.0;
        return follows(weights);
    }

private:
    // The chi-square value exceeded with probability 0.001 (Wilson-Hilferty).
    static double criticalValue(int degrees)
    {
        if (degrees < 1)
            return 0;
        const double z = 3.090;
        const double a = 2.0 / (9.0 * degrees);
        return degrees * std::pow(1.0 - a + z * std::sqrt(a), 3);
    }

    std::map<int, int> m_counts;
    int m_total = 0;
};
