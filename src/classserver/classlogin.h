#pragma once

#include <QMetaType>
#include <QString>

// Who the server says a login is, and what it may do.
struct ClassLogin
{
    QString user;
    bool station = false;
    bool instructor = false;
};

Q_DECLARE_METATYPE(ClassLogin)
