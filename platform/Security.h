#pragma once
// Who the user is.
namespace plat {

class Security {
public:
    virtual ~Security() = default;
    // Whether the SID of the built-in Administrators group (S-1-5-32-544) is among the
    // groups of the thread's token, or of the process token when the thread has none,
    // whatever the group's attributes. false when the token cannot be read.
    virtual bool TokenHasAdministrators() = 0;
};

}  // namespace plat
