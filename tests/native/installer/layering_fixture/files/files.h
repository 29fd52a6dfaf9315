// The lowest layer; includes nothing of the others.
#pragma once
