#pragma once

// The screens of the property archive.
#include "TfrmAllegaCartella.h"
#include "TfrmExpImmobili.h"
#include "TfrmImmobili.h"
#include "TfrmTrovaImmobili.h"
