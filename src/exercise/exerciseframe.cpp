// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exerciseframe.h"

#include <QHash>

namespace Quozzoli {

namespace {

QString padded(const char *caption, int blanks)
{
    return QString::fromUtf8(caption) + QString(blanks, QLatin1Char(' '));
}

MenuEntry azzera(int blanks)
{
    return {QStringLiteral("MenuAzzera"), padded("Azzera conteggio", blanks), {}};
}

MenuEntry informazioni(int blanks)
{
    return {QStringLiteral("MenuInformazioni"), padded("Informazioni", blanks), {}};
}

MenuEntry esci()
{
    return {QStringLiteral("mnuEsci"), QStringLiteral("Esci"), {}};
}

QList<MenuEntry> plainMenu(int azzeraBlanks)
{
    return {azzera(azzeraBlanks), informazioni(11), esci()};
}

QList<MenuEntry> termsMenu()
{
    return {azzera(11),
            {QStringLiteral("mnuTermini"), padded("Scegli i termini da utilizzare", 11), {}},
            informazioni(11),
            esci()};
}

QList<MenuEntry> tablesMenu()
{
    return {azzera(3),
            {QStringLiteral("MenuNumeroMassimo"), padded("Scegli i termini da utilizzare", 3), {}},
            {QStringLiteral("MenuTipo"),
             padded("Scegli il tipo di esercizio", 3),
             {{QStringLiteral("MenuProdotto"), QStringLiteral("Trova il prodotto"), {}},
              {QStringLiteral("MenuFattore"), QStringLiteral("Trova un fattore"), {}}}},
            informazioni(10),
            esci()};
}

ExerciseFrame numericFrame(QSize client, QColor colour, QPoint faces, QPoint esatti, QPoint errati,
                           QPoint avanti, ColourTableVariant colours, QList<MenuEntry> menu)
{
    return {client, colour, faces, esatti, errati, avanti, true, true, colours, std::move(menu)};
}

ExerciseFrame graphicFrame(QColor colour, QPoint faces, QPoint avanti, bool esattiHeading)
{
    return {QSize(9900, 6720), colour, faces,        QPoint(8235, 120), QPoint(8355, 720), avanti,
            esattiHeading,     false,  std::nullopt, plainMenu(10)};
}

QHash<ScreenId, ExerciseFrame> makeFrames()
{
    using V = ColourTableVariant;
    return {
        {ScreenId::Form1,
         numericFrame({9900, 6720}, {0, 192, 0}, {7320, 360}, {7635, 1200}, {7755, 2040},
                      {3720, 4320}, V::Standard, termsMenu())},
        {ScreenId::Form2,
         numericFrame({11820, 8700}, {192, 64, 0}, {6120, 240}, {6720, 1320}, {6840, 2160},
                      {4800, 3240}, V::TwoDigitsSmall, plainMenu(8))},
        {ScreenId::Form3,
         numericFrame({9900, 6720}, {255, 128, 0}, {7320, 240}, {7680, 1200}, {7800, 2040},
                      {4920, 3120}, V::Standard, termsMenu())},
        {ScreenId::Form4,
         numericFrame({9345, 6660}, {192, 192, 0}, {7200, 120}, {7680, 1200}, {7800, 2040},
                      {4680, 3120}, V::TwoDigitsWithRemainder, plainMenu(10))},
        {ScreenId::Form5,
         numericFrame({9345, 6660}, {192, 0, 192}, {7440, 240}, {8040, 1200}, {8160, 2040},
                      {4920, 2760}, V::TwoDigitsLarge, plainMenu(8))},
        {ScreenId::Form6, graphicFrame({0, 192, 0}, {6240, 120}, {2880, 2520}, false)},
        {ScreenId::Form7, graphicFrame({255, 0, 255}, {6240, 240}, {3120, 2520}, true)},
        {ScreenId::Form8, graphicFrame({255, 128, 0}, {6240, 240}, {6840, 1320}, true)},
        {ScreenId::Form9, graphicFrame({128, 128, 255}, {6360, 240}, {6720, 1440}, true)},
        {ScreenId::Form10,
         numericFrame({10605, 9885}, {0, 255, 255}, {600, 120}, {3000, 360}, {5205, 360},
                      {4800, 3120}, V::Standard, tablesMenu())},
        {ScreenId::Form11,
         numericFrame({9345, 6660}, {192, 192, 0}, {6960, 240}, {7680, 1200}, {7800, 2040},
                      {4800, 2760}, V::TwoDigitsWithRemainder, plainMenu(8))},
    };
}

} // namespace

const ExerciseFrame &exerciseFrame(ScreenId id)
{
    static const QHash<ScreenId, ExerciseFrame> frames = makeFrames();
    static const ExerciseFrame none {};
    auto it = frames.constFind(id);
    return it == frames.constEnd() ? none : *it;
}

} // namespace Quozzoli
