// The document that every open editor view has. It carries no data: the radio
// image lives in the main frame and in each view, and dump files are read and
// written by the image itself.
#pragma once

class CVesk4Doc
{
};
