#include "scriptedmessageboxes.h"

bool ScriptedMessageBoxes::askYesNo(QWidget *, const QString &text)
{
    m_questions << text;
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void ScriptedMessageBoxes::inform(QWidget *, const QString &text)
{
    m_notices << text;
}
