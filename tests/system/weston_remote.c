/*
 * A weston module that lets a test script watch the compositor's windows and
 * act as their user, on a headless weston that has no input devices of its own:
 *
 *   weston --backend=headless-backend.so --modules=/path/to/weston_remote.so
 *
 * NUMORRA_WESTON_WINDOWS names a file rewritten, whole, whenever the mapped
 * desktop windows change; one line per window, fields separated by tabs:
 *
 *   pid  role  app-id  title  active|inactive
 *
 * NUMORRA_WESTON_CONTROL names a FIFO the module creates and reads, one
 * command a line:
 *
 *   close TITLE      asks every window titled TITLE to close
 *                    (xdg_toplevel.close), as a close button drawn by the
 *                    desktop or a task bar does
 *   press CODE...    presses the keys (Linux input event codes) in order, on a
 *                    keyboard the module adds and the desktop gives to the
 *                    window it last activated
 *   release CODE...  releases them
 */
#define _POSIX_C_SOURCE 200809L

#include <fcntl.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <libweston/libweston.h>
#include <libweston/version.h>
#if WESTON_VERSION_MAJOR >= 12 /* libweston-desktop became part of libweston */
#include <libweston/desktop.h>
#else
#include <libweston-desktop/libweston-desktop.h>
#endif

/* Exported by libweston for its backends; their header is not installed. */
void weston_seat_init(struct weston_seat *seat, struct weston_compositor *compositor,
                      const char *seat_name);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
void weston_seat_release(struct weston_seat *seat);
void notify_key(struct weston_seat *seat, const struct timespec *time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);

enum { REFRESH_MS = 50, LIST_SIZE = 16384, LINE_SIZE = 1024, MAX_WINDOWS = 64 };

struct remote
{
    struct weston_compositor *compositor;
    struct weston_seat seat;
    const char *windows_path;
    const char *control_path;
    int control_fd;
    int writer_fd; /* our own writer keeps the FIFO from reporting end of file */
    struct wl_event_source *control_source;
    struct wl_event_source *timer;
    struct wl_listener destroy_listener;
    char line[LINE_SIZE];
    size_t line_length;
    char written[LIST_SIZE];
    bool listed;
};

/* Calls `visit` for each mapped desktop window once; stops when it returns false. */
static void for_each_window(struct remote *remote,
                            bool (*visit)(struct weston_desktop_surface *, void *), void *data)
{
    struct weston_desktop_surface *seen[MAX_WINDOWS];
    int count = 0;
    struct weston_view *view;
    wl_list_for_each(view, &remote->compositor->view_list, link)
    {
        struct weston_surface *surface = view->surface;
        if (!weston_surface_is_mapped(surface) || !weston_surface_is_desktop_surface(surface))
            continue;
        struct weston_desktop_surface *window = weston_surface_get_desktop_surface(surface);
        /* A window may have several views. */
        bool known = false;
        for (int i = 0; i < count && !known; ++i)
            known = seen[i] == window;
        if (known || count == MAX_WINDOWS)
            continue;
        seen[count++] = window;
        if (!visit(window, data))
            return;
    }
}

struct listing
{
    char text[LIST_SIZE];
    size_t length;
};

static bool list_window(struct weston_desktop_surface *window, void *data)
{
    struct listing *listing = data;
    const char *title = weston_desktop_surface_get_title(window);
    const char *app_id = weston_desktop_surface_get_app_id(window);
    const char *role = weston_desktop_surface_get_surface(window)->role_name;
    int written = snprintf(listing->text + listing->length, LIST_SIZE - listing->length,
                           "%d\t%s\t%s\t%s\t%s\n", (int)weston_desktop_surface_get_pid(window),
                           role ? role : "", app_id ? app_id : "", title ? title : "",
                           weston_desktop_surface_get_activated(window) ? "active" : "inactive");
    if (written < 0 || (size_t)written >= LIST_SIZE - listing->length)
        return false;
    listing->length += (size_t)written;
    return true;
}

static void write_windows(struct remote *remote)
{
    struct listing listing = {.length = 0};
    listing.text[0] = '\0';
    for_each_window(remote, list_window, &listing);
    if (remote->listed && strcmp(listing.text, remote->written) == 0)
        return;
    /* Written beside the file and renamed over it: a reader sees it whole. */
    char partial[4096];
    snprintf(partial, sizeof partial, "%s.part", remote->windows_path);
    FILE *file = fopen(partial, "w");
    if (!file)
        return;
    fputs(listing.text, file);
    if (fclose(file) == 0 && rename(partial, remote->windows_path) == 0) {
        memcpy(remote->written, listing.text, listing.length + 1);
        remote->listed = true;
    }
}

static int refresh(void *data)
{
    struct remote *remote = data;
    write_windows(remote);
    wl_event_source_timer_update(remote->timer, REFRESH_MS);
    return 0;
}

static bool close_window(struct weston_desktop_surface *window, void *data)
{
    const char *title = weston_desktop_surface_get_title(window);
    if (title && strcmp(title, data) == 0) {
        weston_log("remote: closing window \"%s\"\n", title);
        weston_desktop_surface_close(window);
    }
    return true;
}

/* Sends the keys (Linux input event codes) in `codes` down or up, in order. */
static void send_keys(struct remote *remote, char *codes, enum wl_keyboard_key_state state)
{
    struct timespec now;
    weston_compositor_get_time(&now);
    for (char *code = strtok(codes, " "); code; code = strtok(NULL, " "))
        notify_key(&remote->seat, &now, (uint32_t)strtoul(code, NULL, 10), state,
                   STATE_UPDATE_AUTOMATIC);
}

static void run_command(struct remote *remote, char *command)
{
    if (strncmp(command, "close ", 6) == 0)
        for_each_window(remote, close_window, command + 6);
    else if (strncmp(command, "press ", 6) == 0)
        send_keys(remote, command + 6, WL_KEYBOARD_KEY_STATE_PRESSED);
    else if (strncmp(command, "release ", 8) == 0)
        send_keys(remote, command + 8, WL_KEYBOARD_KEY_STATE_RELEASED);
    else
        weston_log("remote: unknown command \"%s\"\n", command);
}

static int read_commands(int fd, uint32_t mask, void *data)
{
    (void)mask;
    struct remote *remote = data;
    char buffer[LINE_SIZE];
    ssize_t count = read(fd, buffer, sizeof buffer);
    for (ssize_t i = 0; i < count; ++i) {
        if (buffer[i] != '\n') {
            if (remote->line_length + 1 < LINE_SIZE)
                remote->line[remote->line_length++] = buffer[i];
            continue;
        }
        remote->line[remote->line_length] = '\0';
        remote->line_length = 0;
        run_command(remote, remote->line);
    }
    return 0;
}

static void destroy_remote(struct wl_listener *listener, void *data)
{
    (void)data;
    struct remote *remote = wl_container_of(listener, remote, destroy_listener);
    wl_list_remove(&remote->destroy_listener.link);
    wl_event_source_remove(remote->timer);
    wl_event_source_remove(remote->control_source);
    close(remote->control_fd);
    close(remote->writer_fd);
    unlink(remote->control_path);
    weston_seat_release(&remote->seat);
    free(remote);
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
    (void)argc;
    (void)argv;
    const char *windows_path = getenv("NUMORRA_WESTON_WINDOWS");
    const char *control_path = getenv("NUMORRA_WESTON_CONTROL");
    if (!windows_path || !control_path) {
        weston_log("remote: NUMORRA_WESTON_WINDOWS and NUMORRA_WESTON_CONTROL must be set\n");
        return -1;
    }
    struct remote *remote = calloc(1, sizeof *remote);
    if (!remote)
        return -1;
    remote->compositor = compositor;
    remote->windows_path = windows_path;
    remote->control_path = control_path;

    unlink(control_path);
    remote->control_fd = remote->writer_fd = -1;
    if (mkfifo(control_path, 0600) != 0 ||
        (remote->control_fd = open(control_path, O_RDONLY | O_NONBLOCK | O_CLOEXEC)) < 0 ||
        (remote->writer_fd = open(control_path, O_WRONLY | O_CLOEXEC)) < 0) {
        weston_log("remote: cannot open the FIFO %s\n", control_path);
        if (remote->control_fd >= 0)
            close(remote->control_fd);
        unlink(control_path);
        free(remote);
        return -1;
    }

    weston_seat_init(&remote->seat, compositor, "remote");
    if (weston_seat_init_keyboard(&remote->seat, NULL) < 0) {
        weston_log("remote: cannot add a keyboard\n");
        weston_seat_release(&remote->seat);
        close(remote->control_fd);
        close(remote->writer_fd);
        unlink(control_path);
        free(remote);
        return -1;
    }

    struct wl_event_loop *loop = wl_display_get_event_loop(compositor->wl_display);
    remote->control_source =
        wl_event_loop_add_fd(loop, remote->control_fd, WL_EVENT_READABLE, read_commands, remote);
    remote->timer = wl_event_loop_add_timer(loop, refresh, remote);
    wl_event_source_timer_update(remote->timer, REFRESH_MS);
    remote->destroy_listener.notify = destroy_remote;
    wl_signal_add(&compositor->destroy_signal, &remote->destroy_listener);
    write_windows(remote);
    weston_log("remote: windows in %s, commands from %s\n", windows_path, control_path);
    return 0;
}
