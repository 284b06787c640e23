#pragma once
// placeholder: the canvas arrives with the plot
