// The editor side of the plug-in interface in one include: documents,
// command-line output and display, user input and acedCommand, drag jigs,
// system variables and conversions, selection sets, AutoLISP functions.
#pragma once

#include "aced_document.h"
#include "aced_input.h"
#include "aced_jig.h"
#include "aced_lisp.h"
#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
