#pragma once

// The helpers every panel uses, behind one header; each concern keeps a
// source file of its own.

#include "shell/copy_notice.hpp"

#include <QString>

#include <string_view>

class QByteArray;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace sorvanta::ui {

class ColourButton;
class ControlRegistry;
class PictureBox;

// ---- button state ----------------------------------------------------------
void set_button_color(const ControlRegistry& controls, const QString& ctl_name, int ctl_index_ks,
                      int ctl_index_js, int ctl_yanse);
// mode 1: colour 1; mode 2: colour 2; mode 3: toggle (anything but colour 1
// becomes colour 1, colour 1 becomes colour 2); other modes: nothing.
void SetButtonColor_diandong(ColourButton* button, int mode, int color_1, int color_2);

// ---- text -------------------------------------------------------------------
QString only_str(const QString& yuan_str, const QString& mubiao_str);
// Replaces a box's whole text in one step; the text passes through GBK on
// the way, like every text the program shows from outside.
void Send_to_text(const QString& mydata, QPlainTextEdit* box);
void Send_to_text(const QString& mydata, QLineEdit* box);
QString ThroughGbk(const QString& text);
// A message as one line (line breaks shown, never obeyed), as the
// command-line tool prints it.
QString OneLine(std::string_view message);

// ---- clipboard --------------------------------------------------------------
QString get_zt_f_ng(const QString& mystr); // "ok" or ""
void data_cp(const QString& mysj, QWidget* parent = nullptr);
QString get_ztb();

// ---- shell and drawing ------------------------------------------------------
void op_url(const QString& address, QWidget* parent = nullptr);
void pic_line(PictureBox* box, double x1, double y1, double x2, double y2, int width, int colour);
void pic_wrid(PictureBox* box, double x, double y, const QString& text, double fontSize,
              int colour);

// ---- network ----------------------------------------------------------------
// Synchronous request; the response body (status 200 only) decoded as GBK,
// otherwise the empty text. Time-outs under 1000 ms mean 10000 ms.
QString XMLHttpRequest(const QString& mode, const QString& address, const QString& data,
                       int timeoutMs);
int EffectiveTimeout(int timeoutMs);
QString Escape(const QString& text);
QString DecodeGbk(const QByteArray& bytes);

} // namespace sorvanta::ui
