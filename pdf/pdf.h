#pragma once
// The PDF engine in one include: objects and formatters, document, canvas, fonts, images.
#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/errors.h"
#include "pdf/fonts.h"
#include "pdf/format.h"
#include "pdf/images.h"
#include "pdf/objects.h"
#include "pdf/registry.h"
#include "pdf/wrappers.h"
