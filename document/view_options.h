#pragma once

// How the editors show a page; none of it changes the page.
struct ViewOptions {
    bool colourTags = true;
    bool lineNumbers = false;
    bool wrap = true;
    friend bool operator==(const ViewOptions &, const ViewOptions &) = default;
};
