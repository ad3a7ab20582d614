#pragma once

#include <QStringList>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Lists the labels, push buttons, option buttons and frame captions below `root` whose text does
// not fit inside their geometry with the font they are shown in, as "objectName: text (needs WxH,
// has WxH)". An empty list means no caption is clipped.
QStringList clippedTexts(QWidget *root);
