// The public header of the toolkit: what a calculation program includes.
#pragma once
#include "vok/console/input.h"
#include "vok/console/text.h"
#include "vok/frame/bounds.h"
#include "vok/frame/events.h"
#include "vok/frame/messages.h"
#include "vok/frame/startup.h"
#include "vok/util/documents.h"
#include "vok/draw/draw_ops.h"
#include "vok/draw/drawing_window.h"
#include "vok/draw/eps.h"
#include "vok/draw/styled_text.h"
#include "vok/plot/plot.h"
