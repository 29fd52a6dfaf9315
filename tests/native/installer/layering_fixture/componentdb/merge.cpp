// A lower layer reaching up: what the layering check exists to refuse.
#include "files/files.h"
#include "payload/extract.h"
