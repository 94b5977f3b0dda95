#pragma once

#include <QImage>
#include <QSize>

// The picture behind the input groups: a loaded pallet, drawn faintly by the load drawing itself
// into the free corner below the groups.
QImage BackgroundPicture(QSize size);
