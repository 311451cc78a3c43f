// The process-wide settings record.

#include "settings/settings.h"

Settings settings;
