#include "win32/picture_control.h"

#include <optional>

#include "common/picture_scale.h"
#include "win32/error_reporting.h"
#include "win32/form.h"
#include "win32/native_window.h"

namespace tarsilo::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TarsiloPicture";

PictureSet* PicturesOf(HWND control) {
    return reinterpret_cast<PictureSet*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

// Design pixels to device pixels as the form is laid out now.
double LayoutRatio(HWND control) {
    const Form* form = Form::Of(control);
    if (!form)
        return 1;
    const TextHeightScale& scale = form->Layout().Scale();
    return scale.IsIdentity() ? 1.0 : double(scale.Measured()) / scale.Reference();
}

JpegPicture* PictureToDraw(HWND control) {
    PictureSet* pictures = PicturesOf(control);
    if (!pictures)
        return nullptr;
    if (PictureScaleFor(LayoutRatio(control)) == 2 && !pictures->doubled.IsEmpty())
        return &pictures->doubled;
    return &pictures->ordinary;
}

void Paint(HWND control) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(control, &paint);
    std::optional<EJPEG> failure;
    if (JpegPicture* picture = PictureToDraw(control)) {
        try {
            picture->Decode();
        } catch (const EJPEG& error) {
            failure = error;
        }
        RECT client{};
        GetClientRect(control, &client);
        picture->Image().Draw(dc, 0, 0, client, LayoutRatio(control));
    }
    EndPaint(control, &paint);
    // The dialog opens once the painting is done, so that its message loop
    // finds nothing left to paint here.
    if (failure)
        ReportException(*failure, control);
}

LRESULT CALLBACK PictureProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(control, message, [&]() -> LRESULT {
        switch (message) {
        case WM_PAINT:
            Paint(control);
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT; // takes no input
        default:
            return DefWindowProcW(control, message, wParam, lParam);
        }
    });
}

} // namespace

const wchar_t* PictureControlClass() {
    RegisterWindowClass(ClassName, PictureProcedure);
    return ClassName;
}

void AttachPictures(HWND control, PictureSet* pictures) {
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pictures));
    InvalidateRect(control, nullptr, TRUE);
}

const JpegPicture* PictureShownBy(HWND control) {
    return PictureToDraw(control);
}

} // namespace tarsilo::win32
