// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenregistry.h"

#include "form1.h"
#include "form10.h"
#include "form11.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "formavvio.h"
#include "formmenu.h"
#include "navigator.h"

namespace Quozzoli {

namespace {

template<class S> void add(ScreenId id)
{
    Navigator::registerScreen(id, [] { return new S; });
}

} // namespace

void registerScreens()
{
    add<FormAvvio>(ScreenId::FormAvvio);
    add<FormMenu>(ScreenId::FormMenu);
    add<Form1>(ScreenId::Form1);
    add<Form2>(ScreenId::Form2);
    add<Form3>(ScreenId::Form3);
    add<Form4>(ScreenId::Form4);
    add<Form5>(ScreenId::Form5);
    add<Form6>(ScreenId::Form6);
    add<Form7>(ScreenId::Form7);
    add<Form8>(ScreenId::Form8);
    add<Form9>(ScreenId::Form9);
    add<Form10>(ScreenId::Form10);
    add<Form11>(ScreenId::Form11);
}

} // namespace Quozzoli
