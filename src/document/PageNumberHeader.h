#pragma once
// The header printed on every page while page numbers are on: "Страница N" at the top right.

class QPainter;

// `w` is the sheet's width in the painter's units (screen pixels at the print scale).
void DrawPageNumberHeader(QPainter& painter, int numPage, int w);
