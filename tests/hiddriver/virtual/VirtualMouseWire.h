#pragma once
/* What the virtual mouse's driver and its bridge program exchange. Plain C, as
 * the driver is C.
 *
 * Every request hidclass hands the driver (the descriptor, a feature report
 * set or read, an output report) becomes one round trip on the bridge's pipe:
 * the driver opens the pipe, writes one vmouse_request, reads one
 * vmouse_reply and closes it. A round trip cannot be an IOCTL from the bridge
 * instead: hidclass waits for the answer on the one thread that would have to
 * take that IOCTL. Input reports travel the other way, as IOCTL_VMOUSE_INPUT
 * on the driver's control device, and complete the read hidclass keeps
 * pending. */
#include <stdint.h>

#define VMOUSE_PIPE_NAME "mervik-virtual-mouse"
#define VMOUSE_PIPE_NAME_W L"mervik-virtual-mouse"
#define VMOUSE_CONTROL_NAME "MervikVirtualMouse"
#define VMOUSE_CONTROL_NAME_W L"MervikVirtualMouse"

/* The collection a device presents is named by its hardware id. */
#define VMOUSE_HARDWARE_ID_PREFIX "MERVIK\\VMOUSE&COL"
#define VMOUSE_KEY_SIZE 64
#define VMOUSE_DATA_SIZE 512

enum vmouse_request_kind {
    VMOUSE_DESCRIPTOR = 1, /* the report descriptor; no data */
    VMOUSE_SET_FEATURE = 2,
    VMOUSE_GET_FEATURE = 3,
    VMOUSE_WRITE = 4, /* an output report, by WriteFile or HidD_SetOutputReport */
};

#pragma pack(push, 1)
struct vmouse_request {
    uint32_t kind;
    uint32_t report_id; /* as hidclass gives it; data starts with it when nonzero */
    uint32_t length;
    char device[VMOUSE_KEY_SIZE]; /* the hardware id, zero-terminated */
    uint8_t data[VMOUSE_DATA_SIZE];
};

struct vmouse_reply {
    int32_t status; /* an NTSTATUS: 0 success */
    uint32_t length;
    uint8_t data[VMOUSE_DATA_SIZE];
};

struct vmouse_input {
    char device[VMOUSE_KEY_SIZE];
    uint32_t length;
    uint8_t data[VMOUSE_DATA_SIZE]; /* as ReadFile returns it, report id first if numbered */
};
#pragma pack(pop)

/* CTL_CODE(FILE_DEVICE_UNKNOWN, 0x800, METHOD_BUFFERED, FILE_ANY_ACCESS) */
#define IOCTL_VMOUSE_INPUT 0x00222000u

#define VMOUSE_STATUS_SUCCESS 0
#define VMOUSE_STATUS_UNSUCCESSFUL ((int32_t)0xC0000001u)
#define VMOUSE_STATUS_IO_TIMEOUT ((int32_t)0xC00000B5u)
#define VMOUSE_STATUS_DEVICE_NOT_CONNECTED ((int32_t)0xC000009Du)
