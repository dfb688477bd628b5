; Stands in for a game under DOS. Appends to RUNS.TXT in the current folder
; a line "RUN n", where n is how many programs stand between it and the
; first command interpreter (the chain of parent PSPs: 1 when the batch file
; started it, 2 when a second interpreter did), then each string of its
; environment on a line of its own, then an empty line.
; Built with: nasm -f bin -o GAME.COM game.asm
org 100h
    mov ax, cs
    xor cx, cx
.up:                        ; parent PSP at offset 16h; the first points at itself
    mov es, ax
    mov bx, [es:16h]
    cmp bx, ax
    je .top
    inc cx
    mov ax, bx
    cmp cx, 9
    jb .up
.top:
    add cl, '0'
    mov [depth], cl
    mov dx, name            ; open RUNS.TXT for writing, or make it
    mov ax, 3D01h
    int 21h
    jnc .opened
    mov dx, name
    xor cx, cx
    mov ah, 3Ch
    int 21h
    jc .fail
.opened:
    mov bx, ax
    mov ax, 4202h           ; to its end
    xor cx, cx
    xor dx, dx
    int 21h
    mov dx, head
    mov cx, headlen
    call write
    mov ax, [2Ch]           ; the environment's segment
    mov ds, ax
    xor si, si
.string:
    cmp byte [si], 0
    je .done
    mov dx, si
.length:
    inc si
    cmp byte [si], 0
    jne .length
    mov cx, si
    sub cx, dx
    call write
    inc si
    push ds
    push cs
    pop ds
    mov dx, eol
    mov cx, 2
    call write
    pop ds
    jmp .string
.done:
    push cs
    pop ds
    mov dx, eol
    mov cx, 2
    call write
    mov ah, 3Eh
    int 21h
    mov ax, 4C00h
    int 21h
.fail:
    mov ax, 4C01h
    int 21h
write:
    mov ah, 40h
    int 21h
    ret
name: db 'RUNS.TXT', 0
head: db 'RUN '
depth: db '0'
eol: db 13, 10
headlen equ eol - head + 2
