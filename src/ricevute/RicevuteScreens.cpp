#include "RicevuteScreens.h"
#include "platform/Product.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

